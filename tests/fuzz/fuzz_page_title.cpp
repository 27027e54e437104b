// Reads the title of any page in chunks of any size: the title must come out
// the same whatever the chunks, and never longer than the cap allows.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chain/page_title.h"
#include "settings/legacy_text.h"

namespace {

class ChunkedFile final : public vantiro::InputFile {
 public:
  ChunkedFile(std::string_view contents, std::size_t chunk) : rest_(contents), chunk_(chunk) {}
  std::ptrdiff_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min({size, chunk_, rest_.size()});
    std::memcpy(buffer, rest_.data(), count);
    rest_.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
  }

 private:
  std::string_view rest_;
  std::size_t chunk_;
};

}  // namespace

// The first byte picks the chunk size; the rest is the page.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view page(reinterpret_cast<const char*>(data) + 1, size - 1);
  ChunkedFile whole(page, page.size() + 1);
  ChunkedFile chunked(page, 1 + data[0] % 17);
  const auto unknown = [](std::string_view, const std::string&) -> std::optional<std::string> {
    return std::nullopt;
  };
  const std::string title = vantiro::ReadPageTitle(whole, unknown);
  if (title != vantiro::ReadPageTitle(chunked, unknown) ||
      title.size() > vantiro::kMaxTitleLength + 1 || !vantiro::IsUtf8(title)) {
    std::abort();
  }
  return 0;
}
