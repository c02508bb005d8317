#include "services/text_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <array>
#include <atomic>
#include <fstream>
#include <string>
#include <thread>

#include "support/language.h"

namespace orbel {
namespace {

std::string WriteFile(const QTemporaryDir& dir, const std::string& name, const std::string& contents) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

TEST(TextStore, ReadsNumbersLanguagesCommentsAndBothLineEnds) {
    TextStore store;
    const TextLoadResult result = store.LoadFromText(
        "\xEF\xBB\xBF; comment\r\n\r\n1 Title\r\n2\tTab separated\n3  two blanks\n[1] Other\n1 Titel\n7 ~\n");
    EXPECT_EQ(result.fault, TextLoadFault::None);
    EXPECT_EQ(result.Code(), 5);
    ASSERT_NE(store.Find(1, 0, false), nullptr);
    EXPECT_EQ(*store.Find(1, 0, false), "Title");
    EXPECT_EQ(*store.Find(2, 0, false), "Tab separated");
    EXPECT_EQ(*store.Find(3, 0, false), " two blanks");
    EXPECT_EQ(*store.Find(1, 1, false), "Titel");
    EXPECT_EQ(*store.Find(7, 1, false), "~");
    EXPECT_EQ(store.Find(2, 1, false), nullptr);
    ASSERT_NE(store.Find(2, 1, true), nullptr);  // from language 0
    EXPECT_EQ(*store.Find(2, 1, true), "Tab separated");
    EXPECT_EQ(store.Find(7, 0, true), nullptr);
}

TEST(TextStore, LineNumberedFaultsNameTheirLine) {
    struct Case {
        std::string contents;
        TextLoadFault fault;
        int32_t line;
        int32_t code;
    };
    const std::string tooLong(MaxTextLength + 1, 'x');
    const Case cases[] = {
        {std::string(22, '\n') + "1 a\n1 b\n", TextLoadFault::Duplicate, 24, -1524},
        {"1 a\n[2]\n1 b\n[0]\n1 c\n", TextLoadFault::Duplicate, 5, -1505},
        {"1 a\n2\n", TextLoadFault::MissingString, 2, -502},
        {"1 a\n2 \n", TextLoadFault::MissingString, 2, -502},
        {"1 a\nno number\n", TextLoadFault::MissingString, 2, -502},
        {"12x y\n", TextLoadFault::MissingString, 1, -501},
        {"0 zero\n", TextLoadFault::MissingString, 1, -501},
        {"32768 big\n", TextLoadFault::MissingString, 1, -501},
        {"99999999999999999999 huge\n", TextLoadFault::MissingString, 1, -501},
        {"[x]\n", TextLoadFault::MissingString, 1, -501},
        {"[1\n", TextLoadFault::MissingString, 1, -501},
        {std::string(499, '\n') + "5 " + tooLong + "\n", TextLoadFault::StringTooLong, 500, -1500},
        {std::string(499, '\n') + "5\n", TextLoadFault::MissingString, 500, -1000},
        // Beyond line 500 `lt`'s number cannot hold the line: a plain error.
        {std::string(600, '\n') + "5\n", TextLoadFault::MissingString, 601, -5},
        {std::string(600, '\n') + "5 " + tooLong + "\n", TextLoadFault::StringTooLong, 601, -5},
        {std::string(2000, '\n') + "1 a\n1 a\n", TextLoadFault::Duplicate, 2002, -3502},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contents.substr(c.contents.size() > 60 ? c.contents.size() - 60 : 0));
        TextStore store;
        const TextLoadResult result = store.LoadFromText(c.contents);
        EXPECT_EQ(result.fault, c.fault);
        EXPECT_EQ(result.line, c.line);
        EXPECT_EQ(result.Code(), c.code);
        EXPECT_EQ(store.size(), 0u);
    }
}

TEST(TextStore, LengthLimitAndCountLimit) {
    TextStore store;
    const std::string longest(MaxTextLength, 'y');
    EXPECT_EQ(store.LoadFromText("4 " + longest + "\n").Code(), 1);
    EXPECT_EQ(*store.Find(4, 0, false), longest);

    EXPECT_EQ(store.LoadFromText("1 a\n2 b\n3 c\n", 2).Code(), TextsTooMany);
    EXPECT_EQ(store.LoadFromText("1 a\n2 b\n", 2).Code(), 2);
    EXPECT_EQ(store.LoadFromText("; only comments\n\n").Code(), TextsNoneRead);
    EXPECT_EQ(store.LoadFromText("").Code(), TextsFileEmpty);
    // A failed load keeps what was there.
    EXPECT_EQ(*store.Find(2, 0, false), "b");
}

TEST(TextStore, FileStatuses) {
    QTemporaryDir dir;
    TextStore store;
    EXPECT_EQ(store.Load(dir.filePath("absent.dat").toStdString()).Code(), TextsCannotOpen);
    EXPECT_EQ(store.Load(WriteFile(dir, "empty.dat", "")).Code(), TextsFileEmpty);
    EXPECT_EQ(store.Load(dir.path().toStdString()).Code(), TextsReadError);  // a folder
    EXPECT_EQ(store.Load(WriteFile(dir, "ok.dat", "9 nine\n")).Code(), 1);
    EXPECT_EQ(*store.Find(9, 0, false), "nine");
}

TEST(TextStore, LtAndGtKeepTheirContract) {
    QTemporaryDir dir;
    const std::string longest(MaxTextLength, 'z');
    const std::string path = WriteFile(dir, "t.dat", "1 one\n2 " + longest + "\n[3]\n1 uno\n");
    EXPECT_EQ(lt(path.c_str(), 0), 3);
    EXPECT_EQ(lt(nullptr, 0), TextsCannotOpen);

    std::array<char, 1024> buffer{};
    EXPECT_EQ(gt(1, 0, buffer.data(), 1024, 1), 3);
    EXPECT_EQ(std::string(buffer.data(), 3), "one");
    EXPECT_EQ(gt(1, 3, buffer.data(), 1024, 1), 3);
    EXPECT_EQ(std::string(buffer.data(), 3), "uno");
    EXPECT_EQ(gt(2, 3, buffer.data(), 1024, 1), 1024);  // whole, from language 0
    EXPECT_EQ(std::string(buffer.data(), 1024), longest);
    EXPECT_EQ(gt(2, 3, buffer.data(), 1024, 0), 0);     // no fall-back asked
    EXPECT_EQ(gt(99, 0, buffer.data(), 1024, 1), 0);
    EXPECT_EQ(gt(2, 0, buffer.data(), 100, 1), -1);     // does not fit
    EXPECT_EQ(gt(1, 0, nullptr, 1024, 1), -1);
}

// Readers on other threads while the store is loaded again read whole texts,
// and a text in hand outlives the load that replaces it.
TEST(TextStore, ReloadingWhileOthersReadIsSafe) {
    TextStore store;
    store.LoadFromText("1 first\n");
    const auto held = store.Find(1, 0, false);
    std::atomic<bool> done = false;
    std::atomic<int> wrong = 0;
    std::thread reader([&] {
        for (; !done; ++wrong)
            if (const auto text = store.Find(1, 0, false); text && (*text == "first" || *text == "second")) --wrong;
    });
    for (int i = 0; i < 2000; ++i) store.LoadFromText(i % 2 ? "1 first\n" : "1 second\n");
    done = true;
    reader.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(*held, "first");
}

}  // namespace
}  // namespace orbel
