// The data-file reader and writer: any bytes load without a crash, and what is written back reads
// back to the same catalogue (the second save equals the first).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/CHuesmithDoc.h"
#include "framework/CArchive.h"

namespace {
std::string LoadAndSave(std::string_view bytes) {
    CHuesmithDoc doc;
    CArchive load(bytes);
    doc.Serialize(load);
    CArchive store;
    doc.Serialize(store);
    return store.GetStoredBytes();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string first = LoadAndSave(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string second = LoadAndSave(first);
    if (first != second) std::abort();
    return 0;
}
