// The application's profile: standard settings, among them the list of files opened
// most recently, kept in the desktop's configuration folder.
#pragma once

#include "platform/windows_types.h"

#include <string>
#include <vector>

class CRecentFileList {
public:
    explicit CRecentFileList(UINT nSize) : m_nSize(nSize) {}

    // Newest first; a file already on the list moves to the front.
    void Add(const std::string& path);
    const std::vector<std::string>& Files() const { return m_files; }

    // Reads the list from the profile, through GKeyFile; a missing one gives none, and so
    // does one that is there but cannot be read (a folder, a pipe, a file too large, not
    // readable or not a settings file), which is then never written over.
    void ReadList(const std::string& profilePath);
    // Writes it back, keeping the other settings there and a symbolic link in the
    // profile's place; FALSE with the reason in words on failure, in which case the
    // profile on disk is left as it was.
    bool WriteList(const std::string& profilePath, std::string* error) const;

private:
    UINT m_nSize;
    std::vector<std::string> m_files;
};

// Where the program's profile lives: $XDG_CONFIG_HOME/<app>/<app>.conf, or under
// $HOME/.config when that is unset or relative; empty when neither names an absolute
// folder, and then there is no profile to read or write.
std::string AfxProfilePath(const std::string& appName);
