#include "profile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kSection[] = "[Recent File List]";

// Values are kept on one line: a newline or a percent sign in a path is written as %0A,
// %0D or %25.
std::string Encode(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '%')
            out += "%25";
        else if (c == '\n')
            out += "%0A";
        else if (c == '\r')
            out += "%0D";
        else
            out += c;
    }
    return out;
}

std::string Decode(const std::string& value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            const std::string code = value.substr(i + 1, 2);
            if (code == "25" || code == "0A" || code == "0D") {
                out += code == "25" ? '%' : code == "0A" ? '\n' : '\r';
                i += 2;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return true;
}

bool MakeFolders(const std::string& path, std::string* error)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            if (error != nullptr)
                *error = "cannot create the folder " + folder + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
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
    std::vector<std::string> lines;
    if (!ReadLines(profilePath, lines))
        return;
    bool inSection = false;
    std::vector<std::pair<int, std::string>> numbered;
    for (const std::string& line : lines) {
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
        const std::string value = Decode(line.substr(equals + 1));
        if (number >= 1 && number <= static_cast<int>(m_nSize) && !value.empty())
            numbered.emplace_back(number, value);
    }
    std::sort(numbered.begin(), numbered.end());
    for (const auto& entry : numbered)
        if (std::find(m_files.begin(), m_files.end(), entry.second) == m_files.end())
            m_files.push_back(entry.second);
}

bool CRecentFileList::WriteList(const std::string& profilePath, std::string* error) const
{
    // Other sections of the profile are kept as they were.
    std::vector<std::string> lines;
    ReadLines(profilePath, lines);
    std::ostringstream out;
    bool inSection = false;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == '[')
            inSection = line == kSection;
        if (!inSection)
            out << line << '\n';
    }
    out << kSection << '\n';
    for (std::size_t i = 0; i < m_files.size(); ++i)
        out << "File" << i + 1 << '=' << Encode(m_files[i]) << '\n';

    if (!MakeFolders(profilePath, error))
        return false;
    // Written beside the profile and renamed over it, so a failure leaves the old one whole.
    const std::string temporary = profilePath + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << out.str();
        file.flush();
        if (!file) {
            if (error != nullptr)
                *error = "cannot write " + temporary + ": " + std::strerror(errno);
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), profilePath.c_str()) != 0) {
        if (error != nullptr)
            *error = "cannot replace " + profilePath + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
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
