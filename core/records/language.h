#pragma once
// The language a reading's words are written in. The reading itself (bodies,
// signs, the bodies in them) is the same in every language; only its
// captions, header and texts change.

namespace rashi {

enum class Language { English, Hindi };

} // namespace rashi
