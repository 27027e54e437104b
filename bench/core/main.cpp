#include "bench/core/measure.h"

int main() {
  using namespace vantiro::bench;
  for (int count : {10'000, 100'000}) OpenFolder(count);
  for (int count : {10'000, 100'000}) ListFiles(count);
  ListHtmlFiles(1'000, 50 * 1024);
}
