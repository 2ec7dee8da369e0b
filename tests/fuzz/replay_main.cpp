// Runs a fuzz target over every file below the folders given on the command
// line, plus truncated and bit-flipped copies of each, so that the fixtures
// stay a regression corpus without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::size_t inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(argv[i], ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (ec || !it->is_regular_file() || it->file_size() > (1u << 20)) continue;
      std::ifstream in(it->path(), std::ios::binary);
      std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      for (std::size_t cut : {bytes.size() / 2, bytes.size() * 9 / 10, std::size_t{40}, std::size_t{14}}) {
        if (cut < bytes.size()) LLVMFuzzerTestOneInput(bytes.data(), cut);
      }
      std::uint32_t seed = 12345;
      for (int round = 0; round < 8 && !bytes.empty(); ++round) {
        std::vector<std::uint8_t> mutated = bytes;
        for (int k = 0; k < 4; ++k) {
          seed = seed * 1103515245u + 12345u;
          mutated[(seed >> 8) % mutated.size()] ^= static_cast<std::uint8_t>(1u << (seed % 8));
        }
        LLVMFuzzerTestOneInput(mutated.data(), mutated.size());
      }
      ++inputs;
    }
  }
  std::printf("replayed %zu inputs\n", inputs);
  return 0;
}
