#include "tests/unit/Cp932TestText.h"

#include <iconv.h>

#include <stdexcept>

std::string ToCp932(std::string_view utf8) {
    const iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 iconv");
    std::string in(utf8);
    std::string out(in.size() * 2 + 1, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
    out.resize(out.size() - outLeft);
    return out;
}
