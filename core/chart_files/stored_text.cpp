#include "core/chart_files/stored_text.h"

namespace rashi {

std::string EncodeText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) + kTextShift;
        if (code <= 255) out.push_back(static_cast<char>(code));
    }
    return out;
}

std::string DecodeText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const int code = static_cast<unsigned char>(c) - kTextShift;
        if (code >= 0) out.push_back(static_cast<char>(code));
    }
    return out;
}

} // namespace rashi
