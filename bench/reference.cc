// A plain reference reader and writer for the benchmark: reads the counts and
// the n * m integers of a data file into a fixed block with formatted
// extraction (>>), with no positions or messages, and writes a file of a given
// size through one stream. Usage: reference DATA OUT BYTES
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  static std::int32_t block[100][50];
  std::ifstream in(argv[1]);
  std::int32_t n = 0;
  std::int32_t m = 0;
  in >> n >> m;
  if (!in || n < 0 || n > 100 || m < 0 || m > 50) return 1;
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = 0; j < m; ++j) in >> block[i][j];
  }
  const std::string line(79, 'x');
  std::ofstream out(argv[2]);
  long long left = std::atoll(argv[3]);
  for (; left >= 80; left -= 80) out << line << '\n';
  out << std::string(static_cast<std::size_t>(left), 'x');
  return block[0][0] == 12345 && !out ? 1 : 0;
}
