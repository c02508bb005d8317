// Binding the date-string library at run time, and what it exports.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "dates/date_string_library.h"

namespace orbel {
namespace {

const std::string LoadFailure = "The date-string library liborbel2.so could not be loaded: ";

// Defined dynamic symbols of a shared object, as nm lists them.
std::set<std::string> ExportedNames(const std::string& file) {
    std::set<std::string> names;
    FILE* pipe = popen(("nm -D --defined-only '" + file + "' 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0) << "nm failed on " << file;
    return names;
}

TEST(DateStringLibraryFile, ExportsExactlyTheTwoParsers) {
    const std::set<std::string> expected = {"chl_datestr_to_chldate", "chs_datestr_to_chsdate"};
    EXPECT_EQ(ExportedNames(std::string(ORBEL_LIBRARY_FOLDER) + "/liborbel2.so"), expected);
}

TEST(DateStringLibraryLoader, FindsTheLibraryBesideTheProgram) {
    std::string error;
    const std::string folder = ExecutableFolder(error);
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_TRUE(std::filesystem::equivalent(folder, ORBEL_LIBRARY_FOLDER));

    const DateStringLibrary& library = ProgramDateStringLibrary();
    EXPECT_EQ(library.Status(), DateStringLibraryBound);
    EXPECT_EQ(library.Path(), folder + "/liborbel2.so");
    EXPECT_EQ(DateStringLibraryError(library), "");
}

TEST(DateStringLibraryLoader, FirstUseFromManyThreadsBindsOnce) {
    // Each test runs in its own process under CTest, so this is the first use.
    std::vector<const DateStringLibrary*> seen(8, nullptr);
    std::vector<int> accepted(8, 0);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&, i] {
            ChlDate date;
            accepted[i] = ParseChlDateStr("79-" + std::to_string(i + 1) + "-1-1", date) && date.position == int(i + 1);
            seen[i] = &ProgramDateStringLibrary();
        });
    }
    for (std::thread& t : threads) t.join();
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], seen[0]);
        EXPECT_EQ(accepted[i], 1) << i;
    }
}

void ExpectUnbound(const DateStringLibrary& library, int16_t status, const std::string& detailPart) {
    EXPECT_EQ(library.Status(), status);
    EXPECT_FALSE(library.Bound());
    const std::string message = DateStringLibraryError(library);
    EXPECT_EQ(message.rfind(LoadFailure, 0), 0u) << message;
    EXPECT_NE(message.find(detailPart), std::string::npos) << message;

    // Parsing refuses, says so in the record, and touches nothing else.
    ChlDate lunar;
    lunar.valid = 1;
    lunar.cycle = 5;
    EXPECT_FALSE(library.ParseChl("79-20-9-12", lunar));
    EXPECT_EQ(lunar.valid, 0);
    EXPECT_EQ(lunar.cycle, 5);
    ChsDate solar;
    solar.valid = 1;
    EXPECT_FALSE(library.ParseChs("79-20-9-12", solar));
    EXPECT_EQ(solar.valid, 0);
}

TEST(DateStringLibraryLoader, MissingLibraryIsAnErrorNotACrash) {
    const DateStringLibrary library("/nonexistent/orbel/folder");
    ExpectUnbound(library, DateStringLibraryNotLoaded, "/nonexistent/orbel/folder/liborbel2.so");
}

TEST(DateStringLibraryLoader, LibraryLackingAParserIsRefusedWhole) {
    // The stand-in exports the lunar parser only; binding half of it would
    // leave CHL texts parsed by a fake.
    const DateStringLibrary library(ORBEL_BROKEN_LIBRARY_FOLDER);
    ExpectUnbound(library, DateStringLibraryLacksFunction, "chs_datestr_to_chsdate");
}

TEST(DateStringLibraryLoader, FileThatIsNoLibraryIsRefused) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orbel_not_a_library_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "liborbel2.so") << "not a shared object\n";
    {
        const DateStringLibrary library(folder.string());
        ExpectUnbound(library, DateStringLibraryNotLoaded, folder.string());
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orbel
