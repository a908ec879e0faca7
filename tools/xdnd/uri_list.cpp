#include "xdnd/uri_list.h"

namespace xdnd {
namespace {

bool KeepsLiteral(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == '/';
}

}  // namespace

std::string FileUriList(const std::vector<std::string>& absolute_paths)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string list;
    for (const std::string& path : absolute_paths) {
        list += "file://";
        for (const unsigned char byte : path) {
            if (KeepsLiteral(byte)) {
                list += char(byte);
            } else {
                list += '%';
                list += kHex[byte >> 4];
                list += kHex[byte & 0xF];
            }
        }
        list += "\r\n";
    }
    return list;
}

}  // namespace xdnd
