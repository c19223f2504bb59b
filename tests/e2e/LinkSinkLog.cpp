#include "tests/e2e/LinkSinkLog.h"

#include <sstream>

#include "tests/e2e/ProgramProcess.h"
#include "tests/e2e/WaitFor.h"

namespace e2e {
namespace {
constexpr wchar_t kLogName[] = L"opened.txt";
}  // namespace

std::wstring LinkSinkLog::OpenCommand() const {
    return L"\"" + BesideDriver(L"huesmith_link_sink.exe").wstring() + L"\" \"" + m_folder.File(kLogName).wstring() +
           L"\" \"%1\"";
}

std::vector<std::string> LinkSinkLog::Opened() const {
    std::vector<std::string> lines;
    std::istringstream in(m_folder.Read(kLogName).value_or(""));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool LinkSinkLog::WaitForOpened(size_t count) const {
    return WaitFor([&] { return Opened().size() >= count; });
}

}  // namespace e2e
