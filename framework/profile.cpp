#include "profile.h"

#include "file.h"

#include <glib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char kGroup[] = "Recent File List";

// A profile holds a few lines of settings. A larger file is none of ours: it is neither
// read whole nor written over.
constexpr UINT kLargestProfile = 1024 * 1024;

using KeyFile = std::unique_ptr<GKeyFile, decltype(&g_key_file_free)>;

// A percent sign, a newline or a carriage return in a path is kept as %25, %0A or %0D,
// as the profiles already on disk have it, and read back with GLib's percent decoding.
// GKeyFile's own escapes are not used: they would misread the backslashes those
// profiles hold unescaped.
std::string Encode(const std::string& path)
{
    std::string out;
    for (char c : path)
        out += c == '%' ? "%25" : c == '\n' ? "%0A" : c == '\r' ? "%0D" : std::string(1, c);
    return out;
}

// The profile's settings, none when there is no file yet; nullptr with the reason when
// something is there that cannot be read, so that it is never written over. Opened as
// any file the program reads, so that a pipe in its place is refused, not waited on.
KeyFile Load(const std::string& path, std::string* error)
{
    KeyFile keys(g_key_file_new(), &g_key_file_free);
    KeyFile none(nullptr, &g_key_file_free);
    std::string text(kLargestProfile + 1, '\0');
    try {
        CFile file;
        CFileException failure;
        if (!file.Open(path.c_str(), CFile::modeRead, &failure)) {
            if (failure.m_cause == CFileException::fileNotFound)
                return keys;
            throw failure;
        }
        text.resize(file.Read(text.data(), kLargestProfile + 1));
    } catch (const CFileException& failure) {
        *error = failure.GetErrorMessage().str();
        return none;
    }
    if (text.size() > kLargestProfile) {
        *error = "\"" + path + "\" is larger than 1 MiB, too large to be a profile.";
        return none;
    }
    GError* failure = nullptr;
    if (!g_key_file_load_from_data(keys.get(), text.data(), text.size(),
                                   GKeyFileFlags(G_KEY_FILE_KEEP_COMMENTS | G_KEY_FILE_KEEP_TRANSLATIONS),
                                   &failure)) {
        *error = "\"" + path + "\" is not a settings file: " + failure->message + ".";
        g_error_free(failure);
        return none;
    }
    return keys;
}

// The file a symbolic link in the profile's place leads to, followed link by link, so
// that the file is replaced and the link kept; the path itself when it is no link.
std::string LinkTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {  // the kernel's own limit
        gchar* target = g_file_read_link(path.c_str(), nullptr);
        if (target == nullptr)
            break;
        gchar* folder = g_path_get_dirname(path.c_str());
        path = g_path_is_absolute(target) ? std::string(target) : std::string(folder) + "/" + target;
        g_free(folder);
        g_free(target);
    }
    return path;
}

}  // namespace

void CRecentFileList::Add(const std::string& path)
{
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_nSize)
        m_files.resize(m_nSize);
}

void CRecentFileList::ReadList(const std::string& profilePath)
{
    m_files.clear();
    std::string unread;  // told at exit, when the list is not written back
    const KeyFile keys = Load(profilePath, &unread);
    for (UINT i = 1; keys != nullptr && i <= m_nSize; ++i) {
        gchar* value =
            g_key_file_get_value(keys.get(), kGroup, ("File" + std::to_string(i)).c_str(), nullptr);
        gchar* file = value != nullptr ? g_uri_unescape_string(value, nullptr) : nullptr;
        if (file != nullptr && file[0] != '\0' &&
            std::find(m_files.begin(), m_files.end(), file) == m_files.end())
            m_files.push_back(file);
        g_free(file);
        g_free(value);
    }
}

bool CRecentFileList::WriteList(const std::string& profilePath, std::string* error) const
{
    // Read again, for the other settings: a profile that cannot be read is left as it is,
    // since the settings it holds would be lost.
    std::string reason;
    const KeyFile keys = Load(profilePath, &reason);
    if (keys == nullptr) {
        *error = reason + " It is left as it is.";
        return false;
    }
    for (UINT i = 0; i < m_nSize; ++i) {
        const std::string key = "File" + std::to_string(i + 1);
        if (i < m_files.size())
            g_key_file_set_value(keys.get(), kGroup, key.c_str(), Encode(m_files[i]).c_str());
        else
            g_key_file_remove_key(keys.get(), kGroup, key.c_str(), nullptr);
    }
    const std::string folder = profilePath.substr(0, profilePath.rfind('/'));
    if (g_mkdir_with_parents(folder.c_str(), 0700) != 0) {
        *error = "Cannot create the folder \"" + folder + "\": " + std::strerror(errno) + ".";
        return false;
    }
    // A link to a file not there is given the file. Only the profile's own folder is
    // made: a link into a folder not there (a dotfiles drive not mounted, say) is told,
    // not given an empty tree in its place.
    const std::string target = LinkTarget(profilePath);
    gchar* targetFolder = g_path_get_dirname(target.c_str());
    const bool folderThere = g_file_test(targetFolder, G_FILE_TEST_IS_DIR);
    g_free(targetFolder);
    if (!folderThere) {
        *error = "\"" + profilePath + "\" is a link to \"" + target + "\", in a folder that is not there.";
        return false;
    }
    // Written beside the file and renamed over it, so a failure leaves the old one whole.
    gsize length = 0;
    gchar* text = g_key_file_to_data(keys.get(), &length, nullptr);
    GError* failure = nullptr;
    const bool written = g_file_set_contents(target.c_str(), text, gssize(length), &failure);
    g_free(text);
    if (!written) {
        *error = std::string(failure->message) + ".";
        g_error_free(failure);
    }
    return written;
}

std::string AfxProfilePath(const std::string& appName)
{
    // Only an absolute folder counts: a relative one would put the profile wherever the
    // program happened to be started. There is no shared fallback such as /tmp, where
    // another user could prepare the file in advance.
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/')
        base = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        base = std::string(home) + "/.config";
    else
        return std::string();
    return base + "/" + appName + "/" + appName + ".conf";
}
