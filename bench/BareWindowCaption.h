// The bare window program's caption, by which the start-up bench knows its window is up.
#pragma once

inline constexpr wchar_t kBareWindowCaption[] = L"Bare window";
