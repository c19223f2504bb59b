#include <gtest/gtest.h>

#include "framework/HelpDocument.h"

namespace {

TEST(HelpDocument, TakesTheProgramsPlaceWithTheHtmExtension) {
    EXPECT_EQ(HelpDocumentPath("C:\\Tools\\Huesmith.exe"), "C:\\Tools\\Huesmith.htm") << "plain path";
    EXPECT_EQ(HelpDocumentPath("C:\\Tools\\Hue.smith.EXE"), "C:\\Tools\\Hue.smith.htm") << "last dot only";
    EXPECT_EQ(HelpDocumentPath("C:\\v1.2\\Huesmith"), "C:\\v1.2\\Huesmith.htm") << "dot in a folder, none in the name";
    EXPECT_EQ(HelpDocumentPath("C:\\Tools\\.exe"), "C:\\Tools\\.exe.htm") << "a leading dot is part of the name";
    EXPECT_EQ(HelpDocumentPath("Z:/tmp/Huesmith.exe"), "Z:/tmp/Huesmith.htm") << "forward slashes";
    EXPECT_EQ(HelpDocumentPath("\\\\server\\share\\Huesmith.exe"), "\\\\server\\share\\Huesmith.htm") << "UNC path";
    EXPECT_EQ(HelpDocumentPath(""), ".htm") << "empty";
}

TEST(HelpDocument, DoubleByteTrailBytesAreNoSeparators) {
    // "ソ" is 0x83 0x5C, its trail byte a backslash's value; "表" is 0x95 0x5C.
    EXPECT_EQ(HelpDocumentPath("C:\\\x83\x5c\x83\x74\x83\x67\\Huesmith.exe"), "C:\\\x83\x5c\x83\x74\x83\x67\\Huesmith.htm")
        << "folder ソフト";
    EXPECT_EQ(HelpDocumentPath("C:\\x\\\x95\x5c.exe"), "C:\\x\\\x95\x5c.htm") << "name 表.exe: the dot follows a trail byte of 0x5C";
}

}  // namespace
