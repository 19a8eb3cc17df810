#include <gtest/gtest.h>

#include <fstream>

#include "framework/classes/StringList.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/IniFiles.h"
#include "framework/runtime/TextFile.h"
#include "tests/framework/Thrown.h"

namespace framework {
namespace {

std::string TempFile(const std::string& name, const std::string& contents) {
  const std::string path = ::testing::TempDir() + "framework_" + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

const std::string MissingFolder = "/nonexistent-folder-of-the-tests/";

TEST(StringList, EditsAndLooksUpWithoutRegardToCase) {
  TStringList list;
  EXPECT_EQ(list.Add("Beta"), 0);
  list.Insert(0, "alpha");
  list.Insert(2, "Key=Value=More");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  EXPECT_EQ(list.Value("key"), "Value=More");
  EXPECT_EQ(list.Value("missing"), "");
  list.Put(1, "b");
  list.Delete(0);
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"b", "Key=Value=More"}));
  EXPECT_THROW(list.Get(2), EListError);
  EXPECT_THROW(list.Insert(3, "x"), EListError);
  EXPECT_EQ(testing::ThrownMessage<EListError>([&] { list.Delete(-1); }),
            "List index out of bounds (-1)");
}

TEST(StringList, TextSplitsAtEveryKindOfLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  list.SetText("last\n");
  EXPECT_EQ(list.Count(), 1) << "a final line break adds no line";
  list.Add("");
  EXPECT_EQ(list.Text(), "last\r\n\r\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, FilesRoundTripAndFailuresNameTheFile) {
  TStringList list;
  list.SetLines({"2x2", "1 2 3", ""});
  const std::string path = TempFile("lines.txt", "");
  list.SaveToFile(path);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "2x2\r\n1 2 3\r\n\r\n");
  TStringList loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Lines(), list.Lines());

  EXPECT_EQ(
      testing::ThrownMessage<EFCreateError>([&] { list.SaveToFile(MissingFolder + "x.txt"); }),
      "Cannot create file \"" + MissingFolder + "x.txt\". No such file or directory");
  EXPECT_THROW(loaded.LoadFromFile(MissingFolder + "x.txt"), EFOpenError);
}

TEST(TextFile, LinesEndAtLineFeedsAndCtrlZEndsTheFile) {
  EXPECT_EQ(ReadTextFileLines(TempFile("t1.txt", "3x4\r\n1 2 3\nlast")),
            (std::vector<std::string>{"3x4", "1 2 3", "last"}));
  EXPECT_EQ(ReadTextFileLines(TempFile("t2.txt",
                                       "a\rb\r\n\x1A"
                                       "hidden\r\n")),
            (std::vector<std::string>{"a\rb"}));
  EXPECT_TRUE(ReadTextFileLines(TempFile("t3.txt", "")).empty());
  try {
    ReadTextFileLines(MissingFolder + "none.txt");
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 2);
    EXPECT_EQ(e.Message(), "File not found");
  }
  EXPECT_EQ(testing::ThrownMessage<EInOutError>([] { ReadTextFileLines(::testing::TempDir()); }),
            "File access denied");
}

TEST(MemIniFile, KeepsFileOrderAndMatchesNamesWithoutCase) {
  TMemIniFile ini;
  ini.SetText(
      "ignored=before any section\n"
      "[Form]\n"
      "  PaintingColor = 14998481 \n"
      "; a comment\n"
      "ShadowEnabled=1\n"
      "no equals sign\n"
      "Imagefile=form.bmp\n"
      "[TsEdit]\n"
      "FontColor=$FF\n"
      "TCLeft=0x10\n"
      "Broken=12 \n"
      "[form]\n"
      "Later=x\n"
      "IMAGEFILE=second.bmp\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Form", "TsEdit"}));
  EXPECT_EQ(ini.ReadSection("FORM"), (std::vector<std::string>{"PaintingColor", "ShadowEnabled",
                                                               "Imagefile", "Later", "IMAGEFILE"}));
  EXPECT_TRUE(ini.SectionExists("tsedit"));
  EXPECT_FALSE(ini.SectionExists("TsGauge"));
  EXPECT_TRUE(ini.ReadSection("TsGauge").empty());
  EXPECT_EQ(ini.ReadString("form", "IMAGEFILE", "-"), "form.bmp") << "the first of a repeated key";
  EXPECT_EQ(ini.ReadString("Form", "Missing", "-"), "-");
  EXPECT_EQ(ini.ReadInteger("Form", "PaintingColor", -1), 14998481);
  EXPECT_EQ(ini.ReadInteger("TsEdit", "FontColor", -1), 255);
  EXPECT_EQ(ini.ReadInteger("TsEdit", "TCLeft", -1), 16);
  EXPECT_EQ(ini.ReadInteger("TsEdit", "Broken", -1), 12) << "values are trimmed";
  EXPECT_EQ(ini.ReadInteger("TsEdit", "Imagefile", -1), -1);
  EXPECT_TRUE(ini.ReadBool("Form", "ShadowEnabled", false));
  EXPECT_FALSE(ini.ReadBool("Form", "Missing", false));
  EXPECT_FALSE(ini.ReadBool("Form", "Imagefile", false)) << "not a number: the fallback";
}

TEST(MemIniFile, ReadsAFileWhenItExists) {
  TMemIniFile ini(TempFile("options.dat", "[A]\r\nx=1\r\n"));
  EXPECT_EQ(ini.ReadInteger("a", "X", 0), 1);
  TMemIniFile missing(MissingFolder + "Options.dat");
  EXPECT_TRUE(missing.ReadSections().empty());
}

}  // namespace
}  // namespace framework
