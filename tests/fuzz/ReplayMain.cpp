// Replays inputs through a fuzz target without libFuzzer, so that the regression corpora run in
// every build (GCC included) and under the sanitizer build as ordinary tests. Each argument is
// a file or a directory of files; a crash or sanitizer report fails the test as it would fail
// the fuzzer.
#include <cstddef>
#include <cstdint>
#include <dirent.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace
{
bool IsDirectory(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

void Collect(const std::string& path, std::vector<std::string>& files)
{
    if (!IsDirectory(path))
    {
        files.push_back(path);
        return;
    }
    DIR* directory = ::opendir(path.c_str());
    if (!directory)
        return;
    while (const dirent* entry = ::readdir(directory))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            Collect(path + "/" + name, files);
    }
    ::closedir(directory);
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        Collect(argv[i], files);
    if (files.empty())
    {
        std::cerr << "no inputs to replay\n";
        return 1;
    }
    for (const std::string& file : files)
    {
        std::ifstream stream(file, std::ios::binary);
        if (!stream)
        {
            std::cerr << "cannot read " << file << "\n";
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << "replayed " << files.size() << " inputs\n";
    return 0;
}
