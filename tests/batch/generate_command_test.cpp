#include "generator/generate_trim_dat.hpp"
#include "generator/validate_generator.hpp"

#include "generator/generator_inputs.hpp"
#include "support/run_batch.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelkor {
namespace {

using test::RunBatchWords;

// The command line of generator_test::ProtonBeamFields().
std::vector<std::string> ProtonBeamWords(const std::string& out) {
    return generator_test::GenerateWords(generator_test::ProtonBeamFields(), out);
}

// The files of the first `generations` generations of one program run.
std::vector<std::string> CoreGenerations(int generations, const test::TempDir& dir) {
    const auto params = std::get<GeneratorParams>(ValidateGenerator(generator_test::ProtonBeamFields(), {}));
    BeamRandom random;
    std::vector<std::string> files;
    for (int k = 0; k < generations; ++k) {
        const auto path = dir.path() / ("core" + std::to_string(k) + ".dat");
        GenerateTrimDat(path, params, random);
        files.push_back(test::ReadBytes(path));
    }
    return files;
}

TEST(GenerateCommand, WritesTheFirstOrTheKthGenerationOfARun) {
    test::TempDir dir;
    const auto core = CoreGenerations(3, dir);
    const std::string out = (dir.path() / "TRIM.DAT").string();
    const auto first = RunBatchWords(ProtonBeamWords(out));
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(test::ReadBytes(out), core[0]);
    auto words = ProtonBeamWords(out);
    words.insert(words.end(), {"--repeat", "3"});
    EXPECT_EQ(RunBatchWords(words).status, 0);
    EXPECT_EQ(test::ReadBytes(out), core[2]);
}

TEST(GenerateCommand, ValidatesLikeGenerate) {
    test::TempDir dir;
    const std::string out = (dir.path() / "TRIM.DAT").string();
    auto words = ProtonBeamWords(out);
    words.erase(words.begin() + 3, words.begin() + 5);  // --description
    const auto run = RunBatchWords(words);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Missing Description of Experiment\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    words = ProtonBeamWords(out);
    const auto rms = std::find(words.begin(), words.end(), "--dzdx-rms");
    words.erase(rms, rms + 2);
    EXPECT_EQ(RunBatchWords(words).err, "Missing value dZ/dX (RMS)\n");
    words.insert(words.end(), {"--uniform", "dzdx"});
    EXPECT_EQ(RunBatchWords(words).status, 0);
}

TEST(GenerateCommand, UsageErrors) {
    test::TempDir dir;
    const std::string out = (dir.path() / "TRIM.DAT").string();
    auto words = ProtonBeamWords(out);
    words.erase(words.begin() + 1, words.begin() + 3);  // -o OUT
    EXPECT_EQ(RunBatchWords(words).status, 2);
    for (const char* bad : {"0", "x"}) {
        words = ProtonBeamWords(out);
        words.insert(words.end(), {"--repeat", bad});
        EXPECT_EQ(RunBatchWords(words).status, 2);
    }
    words = ProtonBeamWords(out);
    words.insert(words.end(), {"--uniform", "y,angle"});
    EXPECT_EQ(RunBatchWords(words).status, 2);
}

}  // namespace
}  // namespace zelkor
