#include "tools/scrpack/pack_progress.h"

#include <iomanip>

namespace saverkit {

PackProgress::PackProgress(std::ostream* out, bool terminal, size_t total)
    : out_(out), terminal_(terminal), total_(total) {}

PackProgress::~PackProgress() {
  if (barDrawn_) *out_ << "\n" << std::flush;
}

void PackProgress::File(const std::string& name, uint64_t bytes) {
  ++done_;
  if (!out_ || (total_ < kManyFiles && bytes < kLargeFile)) return;
  const double megabytes = double(bytes) / (1 << 20);
  if (!terminal_) {
    *out_ << "packing " << done_ << "/" << total_ << " " << name << " (" << std::fixed << std::setprecision(1)
          << megabytes << " MB)\n"
          << std::flush;
    return;
  }
  constexpr int kBarWidth = 30;
  const int filled = total_ ? int(done_ * kBarWidth / total_) : kBarWidth;
  std::string shown = name.size() > 40 ? "..." + name.substr(name.size() - 37) : name;
  *out_ << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kBarWidth - filled), ' ') << "] " << done_
        << "/" << total_ << " " << std::left << std::setw(40) << shown << std::flush;
  barDrawn_ = true;
}

}  // namespace saverkit
