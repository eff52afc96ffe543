// A recent-file list of one kind of data file: eight entries, newest first.
#pragma once

#include <string>
#include <vector>

namespace vsk {

class RecentFileList {
 public:
  static constexpr size_t kEntries = 8;

  // A path among the first seven entries leaves the list as it is; any other path (also the
  // eighth entry) becomes the first entry and the others move one place down.
  void Add(const std::string& path) {
    const size_t compared = entries_.size() < kEntries - 1 ? entries_.size() : kEntries - 1;
    for (size_t i = 0; i < compared; ++i)
      if (entries_[i] == path) return;
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kEntries) entries_.resize(kEntries);
  }
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace vsk
