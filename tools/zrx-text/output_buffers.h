#pragma once
// Outputs of the session: one that goes to two places (the screen and the transcript
// file), and one that counts what passes, so that a command that showed nothing says so.
#include <cstdint>
#include <streambuf>

namespace zrx {

class TeeBuffer : public std::streambuf {
 public:
  TeeBuffer(std::streambuf* first, std::streambuf* second) : first_(first), second_(second) {}

 protected:
  int overflow(int c) override {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    const bool ok = first_->sputc(ch) != traits_type::eof() && second_->sputc(ch) != traits_type::eof();
    return ok ? c : traits_type::eof();
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    const std::streamsize a = first_->sputn(s, n);
    const std::streamsize b = second_->sputn(s, n);
    return a < b ? a : b;
  }
  int sync() override { return (first_->pubsync() == 0 && second_->pubsync() == 0) ? 0 : -1; }

 private:
  std::streambuf* first_;
  std::streambuf* second_;
};

class CountingBuffer : public std::streambuf {
 public:
  explicit CountingBuffer(std::streambuf* target) : target_(target) {}
  std::uint64_t count() const { return count_; }

 protected:
  int overflow(int c) override {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    ++count_;
    return target_->sputc(traits_type::to_char_type(c));
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    count_ += static_cast<std::uint64_t>(n);
    return target_->sputn(s, n);
  }
  int sync() override { return target_->pubsync(); }

 private:
  std::streambuf* target_;
  std::uint64_t count_ = 0;
};

}  // namespace zrx
