// The attachment list, the content test and the parts written for a message.
#include <gtest/gtest.h>

#include <string>

#include "config/tests/FakeSettingsBackend.h"
#include "encoding/AttachmentList.h"
#include "encoding/AttachmentParts.h"
#include "encoding/tests/FakeAttachmentFiles.h"

namespace velmar {
namespace {

constexpr std::string_view kBoundary = "==Velmar_v8.2==";

TEST(IsBinaryContent, FirstKilobyteDecides) {
    const std::string text = "Dear all,\r\n\tline\fpage\r\n\x7F";
    const struct { const char* name; std::string bytes; bool want; } cases[] = {
        {"ASCII with CR LF, TAB and form feed", text, false}, {"one NUL", text + std::string(1, '\0'), true},
        {"one 0xE9", text + "\xE9", true}, {"0x0B", "a\x0B", true}, {"0x1F", "a\x1F", true},
        {"0xE9 as the 1025th byte is not seen", std::string(1024, 'a') + "\xE9", false},
        {"0xE9 as the 1024th byte", std::string(1023, 'a') + "\xE9", true}, {"empty", "", false}};
    testing::FakeAttachmentFiles files;
    for (const auto& c : cases) {
        EXPECT_EQ(IsBinaryContent(c.bytes), c.want) << c.name;
        files.files["f"] = c.bytes;
        EXPECT_EQ(IsBinaryContent(files, "f"), c.want) << c.name << " (file)";
    }
    EXPECT_FALSE(IsBinaryContent(files, "missing")) << "a file that cannot be opened counts as text";
}

class AttachmentsTest : public ::testing::Test {
protected:
    AttachmentsTest() { config.userId = "me", options.boundary = kBoundary; }
    void Add(const std::string& path, const std::string& name, std::string bytes) {
        files.files[path] = std::move(bytes);
        ASSERT_TRUE(AddAttachment(list, settings, config, files, path, name));
    }
    std::string Write() {
        StringSink message;
        EXPECT_TRUE(WriteAttachmentParts(list, message, files, options));
        return message.text;
    }

    testing::FakeSettingsBackend backend;
    AppConfig config;
    SettingsStore settings{backend, config, true};
    testing::FakeAttachmentFiles files;
    AttachmentList list;
    AttachmentPartOptions options;
};

TEST_F(AttachmentsTest, ListOrderDisplayAndCount) {
    EXPECT_EQ(ShowAttachmentList(list), "");
    Add("C:\\one.txt", "one", "1");
    Add("C:\\two.txt", "two", "2");
    Add("C:\\three.bin", "three", std::string(1, '\0'));
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(ShowAttachmentList(list), "+attachments: three, two, one, ");
    EXPECT_TRUE(list.Entries()[0].isBinary && !list.Entries()[2].isBinary);
    const std::string out = Write();
    const auto three = out.find("name=\"three\""), two = out.find("name=\"two\""), one = out.find("name=\"one\"");
    EXPECT_TRUE(three < two && two < one && one != std::string::npos);
    list.ClearAttachments();
    EXPECT_EQ(ShowAttachmentList(list), "");
}

TEST_F(AttachmentsTest, DisplayTextIsCutToItsAreaAndOptAttachIsReadOnEveryAdd) {
    for (int i = 0; i < 30; ++i) {
        backend.SetDword(ConfigKeyPath("me", ""), "OPT_ATTACH", i % 2);
        Add("C:\\f" + std::to_string(i), std::string(50, 'n'), "x");
        EXPECT_EQ(config.optAttach, i % 2);
    }
    EXPECT_EQ(ShowAttachmentList(list).size(), 1023u);
}

// One file each: the part written for it, by its content and the user's options.
TEST_F(AttachmentsTest, PartsWritten) {
    const std::string head = "\n--==Velmar_v8.2==\nContent-Type: ";
    // wantIsPrefix: the part starts with `want`.
    const struct { const char* name; bool optAttach, uuencode; std::string displayName, bytes, want;
                   bool wantIsPrefix = false; }
        cases[] = {
        {"inline text part", false, false, "notes.txt", "line one\r\n\tline two\r\nlast",
         head + "text/plain; name=\"notes.txt\"\nContent-Transfer-Encoding: 7bit\n\nline one\n\tline two\nlast\n"},
        {"binary file as base64", false, false, "pic.png", std::string("\x89PNG\0\x01\x02", 7),
         head + "application/octet-stream; name=\"pic.png\"\nContent-Transfer-Encoding: base64\n\niVBORwABAg==\n"},
        // Base64 keeps the exact bytes: "hi\r\n".
        {"OPT_ATTACH sends text base64 as text/plain", true, false, "a.txt", "hi\r\n",
         head + "text/plain; name=\"a.txt\"\nContent-Transfer-Encoding: base64\n\naGkNCg==\n"},
        {"uuencoded block, no boundary", false, true, "one.bin", "\x01", "\nbegin 644 one.bin\n!`0\n`\nend\n\n"},
        {"8-bit display name as encoded words", false, false, "caf\xE9.txt", "t",
         head + "text/plain; name=\"=?ISO-8859-1?Q?caf=E9?=.txt\"\nContent-Transfer-Encoding: 7bit\n\nt\n"},
        {"8-bit display name in a begin line", false, true, "caf\xE9.txt", "t",
         "\nbegin 644 =?ISO-8859-1?Q?caf=E9?=.txt\n!=`\n`\nend\n\n"},
        // Text in its first kilobyte, binary after it: sent whole, as the binary it is.
        {"binary after the first kilobyte", false, false, "log.txt", std::string(1100, 'a') + "\x01\x1A\r\n",
         head + "application/octet-stream; name=\"log.txt\"\nContent-Transfer-Encoding: base64\n\nYWFh", true},
        // A line reading as the boundary would split the message: the text goes base64.
        {"a boundary line in a text file", false, false, "old.eml", "hi\r\n--==Velmar_v8.2==\r\nbye\r\n",
         head + "text/plain; name=\"old.eml\"\nContent-Transfer-Encoding: base64\n\naGkNCi0tPT1WZWxtYXJfdjguMj09DQpieWUNCg==\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.ClearAttachments();
        options.optAttach = c.optAttach;
        options.uuencode = c.uuencode;
        Add("C:\\file", c.displayName, c.bytes);
        const std::string written = Write();
        EXPECT_EQ(c.wantIsPrefix ? written.substr(0, c.want.size()) : written, c.want);
    }
}

TEST(IsSpoolCopy, InsideTheDirectoryOnly) {
    const struct { const char *path, *spool; bool want; } cases[] = {{"C:\\spool\\a", "c:\\SPOOL", true},
                                                                     {"C:\\spool\\a", "C:\\spool\\", true},
                 {"C:\\spool2\\a", "C:\\spool", false}, {"C:\\spool", "C:\\spool", false},
                 {"C:\\anything", "", false}};  // an unset spool directory holds nothing
    for (const auto& c : cases) EXPECT_EQ(IsSpoolCopy(c.path, c.spool), c.want) << c.path << " in " << c.spool;
    EXPECT_TRUE(IsOwnSpoolCopy("C:\\spool\\tmp1A.TMP", "C:\\spool"));
    EXPECT_FALSE(IsOwnSpoolCopy("C:\\spool\\D0000000000000001.GSC", "C:\\spool")) << "another message's file";
    EXPECT_FALSE(IsOwnSpoolCopy("C:\\other\\tmp1.tmp", "C:\\spool"));
}

TEST(QuotedParameter, QuotesAndBackslashesEscaped) {
    EXPECT_EQ(QuotedParameter("report.txt") + QuotedParameter("evil\"; filename=\"x.exe") + QuotedParameter("a\\b"),
              "\"report.txt\"\"evil\\\"; filename=\\\"x.exe\"\"a\\\\b\"");
}

TEST(ExtensionListed, LinesOfTheList) {
    const struct { const char* name; std::string list; const char* extension; bool want; } cases[] = {
        {"CR LF lines", ".zip\r\n.dat\r\n", ".dat", true}, {"any case", ".ZIP\r\n", ".zip", true},
        {"without the dot", "dat\r\n", ".dat", false}, {"LF-only lines", ".zip\n.dat\n", ".dat", true},
        {"last line without a line end", ".zip\r\n.dat", ".dat", true},
        {"a prefix is no match", ".da\r\n", ".dat", false},
        {"a 127-byte line ends the list", std::string(125, 'x') + "\r\n.dat\r\n", ".dat", false},
        {"a 126-byte line does not", std::string(124, 'x') + "\r\n.dat\r\n", ".dat", true},
        {"no extension", ".dat\r\n", "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtensionListed(c.list, c.extension), c.want) << c.name;
    EXPECT_EQ(std::string(FileExtension("C:\\a.b\\report.DAT")) + "|" + std::string(FileExtension("C:\\dir\\README")),
              ".DAT|");
}

}  // namespace
}  // namespace velmar
