#pragma once
// The toolkit's unpacking (qUncompress) writes a line on the message log
// when the data it is given do not unpack, as those of a damaged atlas file
// do; the window says so itself, in a message box with what is wrong. While
// one of these stands on a thread, those lines from that thread are dropped;
// every other message, and every message of the other threads, goes where it
// went.

namespace rashi {

class UncompressWarningsDropped {
public:
    UncompressWarningsDropped();
    ~UncompressWarningsDropped();
    UncompressWarningsDropped(const UncompressWarningsDropped&) = delete;
    UncompressWarningsDropped& operator=(const UncompressWarningsDropped&) = delete;
};

} // namespace rashi
