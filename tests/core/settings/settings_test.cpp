// Reading settings with defaults written back, type mismatches and failed writes.
#include "settings/settings.h"

#include "settings/memory_settings_store.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zelkon {
namespace {

using test::J;
using test::U;

const std::string kEditionKey = "SoftWare\\Zelkon\\ZelkonXA";
const std::string kSharedKey = "SoftWare\\Zelkon\\Common";

class SettingsTest : public ::testing::Test
{
protected:
    MemorySettingsStore store;
    Settings settings{store, EditionConstantsOf(Edition::Geography)};
};

StoredValue Integer(std::int32_t n)
{
    return {StoredKind::Integer, n, {}};
}

StoredValue Text(std::string_view cp932)
{
    return {StoredKind::Text, 0, std::string(cp932)};
}

struct Outcome
{
    bool ok;
    std::string error;
};

template<typename T>
Outcome OutcomeOf(const SettingRead<T> &read)
{
    return {read.ok, read.error};
}

void ExpectStored(const StoredValue &actual, const StoredValue &expected)
{
    EXPECT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.integer, expected.integer);
    EXPECT_EQ(U(actual.text), U(expected.text));
}

TEST_F(SettingsTest, FirstReadOfAnEmptyStoreWritesEveryDefault)
{
    const auto school = settings.readText(kTheSchool);
    const auto learner = settings.readText(kLogOnName);
    const auto keyLock = settings.readFlag(kKeyLock);
    const auto tips = settings.readFlag(kShowDoYouKnow);
    const auto printMode = settings.readFlag(kPrintMode);
    const auto paper = settings.readInteger(kPaperSize);
    const auto drive = settings.readSharedText(kRecDrive, "/home/u/.local/share/");

    for (bool ok : {school.ok, learner.ok, keyLock.ok, tips.ok, printMode.ok, paper.ok, drive.ok})
        EXPECT_TRUE(ok);
    EXPECT_EQ(school.value, "");
    EXPECT_EQ(U(learner.value), "共通");
    EXPECT_FALSE(keyLock.value);
    EXPECT_TRUE(tips.value);
    EXPECT_TRUE(printMode.value);
    EXPECT_EQ(paper.value, 630);
    EXPECT_EQ(drive.value, "/home/u/.local/share/");

    // Flags are written as integers; RecDrive goes to the shared key, not the edition's.
    ExpectStored(store.get(kEditionKey, "theSchool"), Text(""));
    ExpectStored(store.get(kEditionKey, "LogOnName"), Text(J("共通")));
    ExpectStored(store.get(kEditionKey, "KeyLock"), Integer(0));
    ExpectStored(store.get(kEditionKey, "ShowDoYouKnow"), Integer(1));
    ExpectStored(store.get(kEditionKey, "PrintMode"), Integer(1));
    ExpectStored(store.get(kEditionKey, "PaperSize"), Integer(630));
    ExpectStored(store.get(kSharedKey, "RecDrive"), Text("/home/u/.local/share/"));
    EXPECT_EQ(store.get(kEditionKey, "RecDrive").kind, StoredKind::Missing);
}

TEST_F(SettingsTest, StoredValuesWinOverDefaults)
{
    store.put(kEditionKey, "PrintMode", Integer(0));
    store.put(kEditionKey, "PaperSize", Integer(700));
    store.put(kEditionKey, "LogOnName", Text(J("山田")));
    store.put(kSharedKey, "RecDrive", Text("D:\\"));

    EXPECT_FALSE(settings.readFlag(kPrintMode).value);
    EXPECT_EQ(settings.readInteger(kPaperSize).value, 700);
    EXPECT_EQ(U(settings.readText(kLogOnName).value), "山田");
    EXPECT_EQ(settings.readSharedText(kRecDrive, "C:\\").value, "D:\\");
    ExpectStored(store.get(kSharedKey, "RecDrive"), Text("D:\\"));
}

TEST_F(SettingsTest, AnyNonZeroIntegerIsATrueFlag)
{
    for (std::int32_t stored : {5, 1, -1}) {
        store.put(kEditionKey, "KeyLock", Integer(stored));
        const auto read = settings.readFlag(kKeyLock);
        EXPECT_TRUE(read.ok && read.value) << stored;
    }
    store.put(kEditionKey, "KeyLock", Integer(0));
    EXPECT_FALSE(settings.readFlag(kKeyLock).value);
    // Reading never normalises what is stored.
    store.put(kEditionKey, "KeyLock", Integer(5));
    settings.readFlag(kKeyLock);
    ExpectStored(store.get(kEditionKey, "KeyLock"), Integer(5));
}

TEST_F(SettingsTest, UntypedIntegersReadAsIntegerOrAsText)
{
    store.put(kEditionKey, "PaperSize", {StoredKind::UntypedInteger, 771, "771"});
    store.put(kEditionKey, "theSchool", {StoredKind::UntypedInteger, 123, "123"});
    store.put(kEditionKey, "KeyLock", {StoredKind::UntypedInteger, 5, "5"});

    EXPECT_EQ(settings.readInteger(kPaperSize).value, 771);
    EXPECT_EQ(settings.readText(kTheSchool).value, "123");
    EXPECT_TRUE(settings.readFlag(kKeyLock).value);
}

TEST_F(SettingsTest, WrongTypeFailsTheReadAndKeepsTheStoredValue)
{
    struct Case
    {
        const char *what;
        std::string name;
        StoredValue stored;
        std::function<Outcome()> read;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"flag stored as text",
         "KeyLock",
         Text("1"),
         [&] { return OutcomeOf(settings.readFlag(kKeyLock)); },
         "設定値「KeyLock」が整数ではありません（SoftWare\\Zelkon\\ZelkonXA）"},
        {"integer stored as text",
         "PaperSize",
         Text("A4"),
         [&] { return OutcomeOf(settings.readInteger(kPaperSize)); },
         "設定値「PaperSize」が整数ではありません（SoftWare\\Zelkon\\ZelkonXA）"},
        {"integer of another type",
         "PaperSize",
         StoredValue{StoredKind::Other, 0, std::string()},
         [&] { return OutcomeOf(settings.readInteger(kPaperSize)); },
         "設定値「PaperSize」が整数ではありません（SoftWare\\Zelkon\\ZelkonXA）"},
        {"text stored as integer",
         "theSchool",
         Integer(3),
         [&] { return OutcomeOf(settings.readText(kTheSchool)); },
         "設定値「theSchool」が文字列ではありません（SoftWare\\Zelkon\\ZelkonXA）"},
        {"unreadable store",
         "LogOnName",
         StoredValue{StoredKind::Unreadable, 0, std::string()},
         [&] { return OutcomeOf(settings.readText(kLogOnName)); },
         "設定値「LogOnName」を読み取れません（SoftWare\\Zelkon\\ZelkonXA）"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        store.put(kEditionKey, c.name, c.stored);
        const Outcome outcome = c.read();
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(U(outcome.error), c.message);
        ExpectStored(store.get(kEditionKey, c.name), c.stored);
    }
}

TEST_F(SettingsTest, SharedTextOfWrongTypeNamesTheSharedKey)
{
    store.put(kSharedKey, "RecDrive", Integer(3));
    const auto read = settings.readSharedText(kRecDrive, "C:\\");
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(U(read.error),
              "設定値「RecDrive」が文字列ではありません（SoftWare\\Zelkon\\Common）");
}

TEST_F(SettingsTest, WritesStoreIntegersAndTexts)
{
    EXPECT_TRUE(settings.writeFlag(kKeyLock, true).ok);
    EXPECT_TRUE(settings.writeInteger(kPaperSize, 891).ok);
    EXPECT_TRUE(settings.writeText(kTheSchool, J("ゼルコン塾")).ok);

    ExpectStored(store.get(kEditionKey, "KeyLock"), Integer(1));
    ExpectStored(store.get(kEditionKey, "PaperSize"), Integer(891));
    ExpectStored(store.get(kEditionKey, "theSchool"), Text(J("ゼルコン塾")));
    EXPECT_TRUE(settings.readFlag(kKeyLock).value);
    settings.writeFlag(kKeyLock, false);
    ExpectStored(store.get(kEditionKey, "KeyLock"), Integer(0));
}

TEST_F(SettingsTest, FailedWritesAreReported)
{
    store.put(kEditionKey, "PaperSize", Integer(771));
    store.setWritesFail(true);

    const auto flag = settings.writeFlag(kKeyLock, true);
    EXPECT_FALSE(flag.ok);
    EXPECT_EQ(U(flag.error), "設定値「KeyLock」を書き込めません（SoftWare\\Zelkon\\ZelkonXA）");
    const auto text = settings.writeText(kTheSchool, "x");
    EXPECT_FALSE(text.ok);
    EXPECT_EQ(U(text.error), "設定値「theSchool」を書き込めません（SoftWare\\Zelkon\\ZelkonXA）");
    EXPECT_FALSE(settings.writeInteger(kPaperSize, 546).ok);
    ExpectStored(store.get(kEditionKey, "PaperSize"), Integer(771));

    // A missing value whose default cannot be written back fails the read, default in hand.
    const auto learner = settings.readText(kLogOnName);
    EXPECT_FALSE(learner.ok);
    EXPECT_EQ(U(learner.value), "共通");
    EXPECT_EQ(U(learner.error),
              "設定値「LogOnName」を書き込めません（SoftWare\\Zelkon\\ZelkonXA）");
    const auto drive = settings.readSharedText(kRecDrive, "C:\\");
    EXPECT_FALSE(drive.ok);
    EXPECT_EQ(U(drive.error), "設定値「RecDrive」を書き込めません（SoftWare\\Zelkon\\Common）");

    // A present value needs no write.
    const auto paper = settings.readInteger(kPaperSize);
    EXPECT_TRUE(paper.ok);
    EXPECT_EQ(paper.value, 771);
}

TEST_F(SettingsTest, EachEditionUsesItsOwnKey)
{
    Settings history(store, EditionConstantsOf(Edition::History));
    history.writeInteger(kPaperSize, 546);
    ExpectStored(store.get("SoftWare\\Zelkon\\ZelkonXB", "PaperSize"), Integer(546));
    EXPECT_EQ(settings.readInteger(kPaperSize).value, 630);
}

} // namespace
} // namespace zelkon
