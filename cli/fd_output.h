// Standard output with every write checked: the first failed write stops all
// further output and keeps its error number, so that the command can say why
// (or end quietly when the reader has closed the pipe).
#pragma once

#include <array>
#include <streambuf>

namespace cli {

class FdOutput : public std::streambuf {
public:
    explicit FdOutput(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    ~FdOutput() override { sync(); }
    // 0 while every write succeeded; else the first failure's errno.
    int error() const { return error_; }
    // Writes what is left and closes the descriptor; false on failure.
    bool Close();

protected:
    int overflow(int c) override;
    int sync() override;

private:
    bool Drain();
    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_;
};

}  // namespace cli
