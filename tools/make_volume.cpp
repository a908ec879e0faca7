// Writes sample volume files for trying out the viewer.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "volumes/volume_shapes.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// Enough for oversized test files without letting a typo fill the disk.
constexpr unsigned long long kMaxRawBytes = 16ull * 1024 * 1024;
constexpr double kDefaultDensity = 0.1;
constexpr unsigned kDefaultSeed = 1;

const char kUsage[] = "usage: make_volume SHAPE OUTPUT [--density D] [--seed S]\n"
                      "       make_volume --samples DIR\n"
                      "       make_volume --bytes N --fill B OUTPUT\n"
                      "\n"
                      "SHAPE is one of sphere, shell, torus, block, empty, cell, column, noise.\n"
                      "--density (0..1, default 0.1) and --seed (default 1) apply to noise only.\n"
                      "--samples writes sphere, shell, torus, block, cell and noise (10%) into DIR.\n"
                      "--bytes writes N bytes (at most 16777216) all equal to B (0..255), for testing\n"
                      "how the viewer handles files of the wrong size.\n";

struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
};

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "make_volume: %s\n\n%s", message.c_str(), kUsage);
    return kExitUsage;
}

std::optional<Arguments> Parse(int argc, char** argv, std::string* error)
{
    static const char* const kValueOptions[] = {"--density", "--seed", "--samples", "--bytes", "--fill"};
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--", 0) != 0) {
            arguments.positional.push_back(argument);
            continue;
        }
        bool known = false;
        for (const char* option : kValueOptions)
            known = known || argument == option;
        if (!known) {
            *error = "unknown option " + argument;
            return std::nullopt;
        }
        if (i + 1 == argc) {
            *error = argument + " needs a value";
            return std::nullopt;
        }
        arguments.options[argument] = argv[++i];
    }
    return arguments;
}

std::optional<unsigned long long> ParseUnsigned(const std::string& text, unsigned long long max)
{
    if (text.empty() || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value > max)
        return std::nullopt;
    return value;
}

std::optional<double> ParseDensity(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value >= 0.0 && value <= 1.0))
        return std::nullopt;
    return value;
}

int Write(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::string error;
    if (!volumes::WriteVolume(path, bytes, &error)) {
        std::fprintf(stderr, "make_volume: %s\n", error.c_str());
        return kExitFailure;
    }
    return 0;
}

int WriteSamples(const std::string& directory)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "make_volume: cannot create directory '%s': %s\n", directory.c_str(),
                     error.message().c_str());
        return kExitFailure;
    }
    for (const char* name : {"sphere", "shell", "torus", "block", "cell", "noise"}) {
        const auto bytes = volumes::ShapeByName(name, kDefaultDensity, kDefaultSeed);
        if (const int status = Write(directory + "/" + name, *bytes); status != 0)
            return status;
    }
    return 0;
}

int WriteFilled(const Arguments& arguments)
{
    if (arguments.options.size() != 2 || arguments.options.count("--fill") == 0)
        return UsageError("--bytes needs --fill and nothing else");
    if (arguments.positional.size() != 1)
        return UsageError("--bytes needs exactly one OUTPUT");
    const auto size = ParseUnsigned(arguments.options.at("--bytes"), kMaxRawBytes);
    if (!size)
        return UsageError("--bytes must be a whole number from 0 to 16777216");
    const auto fill = ParseUnsigned(arguments.options.at("--fill"), 255);
    if (!fill)
        return UsageError("--fill must be a whole number from 0 to 255");
    return Write(arguments.positional[0], std::vector<unsigned char>(*size, (unsigned char)*fill));
}

int WriteShape(const Arguments& arguments)
{
    if (arguments.positional.size() != 2)
        return UsageError("expected SHAPE and OUTPUT");
    const std::string& shape = arguments.positional[0];
    if (shape != "noise" && !arguments.options.empty())
        return UsageError("--density and --seed apply to noise only");
    double density = kDefaultDensity;
    unsigned seed = kDefaultSeed;
    if (const auto it = arguments.options.find("--density"); it != arguments.options.end()) {
        const auto parsed = ParseDensity(it->second);
        if (!parsed)
            return UsageError("--density must be a number from 0 to 1");
        density = *parsed;
    }
    if (const auto it = arguments.options.find("--seed"); it != arguments.options.end()) {
        const auto parsed = ParseUnsigned(it->second, 0xFFFFFFFFull);
        if (!parsed)
            return UsageError("--seed must be a whole number from 0 to 4294967295");
        seed = unsigned(*parsed);
    }
    const auto bytes = volumes::ShapeByName(shape, density, seed);
    if (!bytes)
        return UsageError("unknown shape '" + shape + "'");
    return Write(arguments.positional[1], *bytes);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::string error;
    const auto arguments = Parse(argc, argv, &error);
    if (!arguments)
        return UsageError(error);
    const auto& options = arguments->options;
    if (options.count("--samples") != 0) {
        if (options.size() != 1 || !arguments->positional.empty())
            return UsageError("--samples takes only a DIR");
        return WriteSamples(options.at("--samples"));
    }
    if (options.count("--bytes") != 0)
        return WriteFilled(*arguments);
    if (options.count("--fill") != 0)
        return UsageError("--fill needs --bytes");
    return WriteShape(*arguments);
}
