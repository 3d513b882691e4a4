// Feeds every file under the given folders (or the given files), then the empty
// input, to a fuzz target once, so its corpus runs as a test without libFuzzer.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::set<fs::path> files; // in order
    for (int i = 1; i < argc; ++i) {
        if (fs::is_regular_file(argv[i])) files.emplace(argv[i]);
        if (!fs::is_directory(argv[i])) continue;
        for (const auto& entry : fs::recursive_directory_iterator(argv[i]))
            if (entry.is_regular_file()) files.insert(entry.path());
    }
    if (files.empty()) return std::cerr << "no inputs\n", 1;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::cout << files.size() << " inputs passed\n";
}
