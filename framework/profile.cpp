#include "profile.h"

#include "file.h"

#include <glib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const char kSection[] = "[Recent File List]";

// Values are kept on one line: a percent sign, a newline or a carriage return in a path is
// written as %25, %0A or %0D.
std::string Encode(const std::string& value)
{
    std::string out;
    for (char c : value)
        out += c == '%' ? "%25" : c == '\n' ? "%0A" : c == '\r' ? "%0D" : std::string(1, c);
    return out;
}

std::string Decode(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string code = value.substr(i, 3);
        const char escaped = code == "%25" ? '%' : code == "%0A" ? '\n' : code == "%0D" ? '\r' : '\0';
        out += escaped != '\0' ? escaped : value[i];
        i += escaped != '\0' ? 2 : 0;
    }
    return out;
}

// The file's lines; none when it is missing, unreadable or no regular file. Opened as any
// file the program reads, so that a pipe in the profile's place is refused, not waited on.
std::vector<std::string> ReadLines(const std::string& path)
{
    std::string text;
    CFile file;
    try {
        char piece[4096];
        if (file.Open(path.c_str(), CFile::modeRead))
            for (UINT got; (got = file.Read(piece, sizeof piece)) > 0;)
                text.append(piece, got);
    } catch (const CFileException&) {
        text.clear();
    }
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
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
    bool inSection = false;
    std::vector<std::string> numbered(m_nSize);  // File1 to FileN
    for (const std::string& line : ReadLines(profilePath)) {
        if (!line.empty() && line[0] == '[') {
            inSection = line == kSection;
            continue;
        }
        if (!inSection || line.compare(0, 4, "File") != 0)
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 4)
            continue;
        const int number = std::atoi(line.substr(4, equals - 4).c_str());
        if (number >= 1 && number <= static_cast<int>(m_nSize))
            numbered[number - 1] = Decode(line.substr(equals + 1));
    }
    for (const std::string& file : numbered)
        if (!file.empty() && std::find(m_files.begin(), m_files.end(), file) == m_files.end())
            m_files.push_back(file);
}

bool CRecentFileList::WriteList(const std::string& profilePath, std::string* error) const
{
    // Other sections of the profile are kept as they were.
    std::ostringstream out;
    bool inSection = false;
    for (const std::string& line : ReadLines(profilePath)) {
        if (!line.empty() && line[0] == '[')
            inSection = line == kSection;
        if (!inSection)
            out << line << '\n';
    }
    out << kSection << '\n';
    for (std::size_t i = 0; i < m_files.size(); ++i)
        out << "File" << i + 1 << '=' << Encode(m_files[i]) << '\n';

    const std::string folder = profilePath.substr(0, profilePath.rfind('/'));
    if (g_mkdir_with_parents(folder.c_str(), 0700) != 0) {
        if (error != nullptr)
            *error = "cannot create the folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    // Written beside the profile and renamed over it, so a failure leaves the old one whole.
    const std::string text = out.str();
    GError* failure = nullptr;
    if (!g_file_set_contents(profilePath.c_str(), text.data(), static_cast<gssize>(text.size()), &failure)) {
        if (error != nullptr)
            *error = failure->message;
        g_error_free(failure);
        return false;
    }
    return true;
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
