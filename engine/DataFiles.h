// The names of the engine's data files in the user's table folder.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pralomen {

inline constexpr char placeNameFile[] = "placeName.txt";
inline constexpr char categoryFile[] = "category.txt";
inline constexpr char mokuonFile[] = "mokuon.txt";
inline constexpr char tokuSpecialFile[] = "tokuSpecial.txt";
inline constexpr char idiomKCSFile[] = "idiomKCS.txt";
inline constexpr char idiomYDTFile[] = "idiomYDT.txt";
inline constexpr char idiomNBPFFile[] = "idiomNBPF.txt";
inline constexpr char idiomMYRLFile[] = "idiomMYRL.txt";
inline constexpr char idiomWSHAFile[] = "idiomWSHA.txt";
inline constexpr char polyKCSFile[] = "polyKCS.txt";
inline constexpr char polyYDTFile[] = "polyYDT.txt";
inline constexpr char polyNBPFFile[] = "polyNBPF.txt";
inline constexpr char polyMYRLFile[] = "polyMYRL.txt";
inline constexpr char polyWSHAFile[] = "polyWSHA.txt";
inline constexpr char toneIrregFile[] = "toneIrreg.txt";
inline constexpr char shortToLongFile[] = "shortToLong.txt";
inline constexpr char foreignFile[] = "foreign.txt";
inline constexpr char overTwoFile[] = "overTwo.txt";
inline constexpr char longToShortFile[] = "longToShort.txt";
inline constexpr char doubleReadFile[] = "doubleRead.txt";
inline constexpr char extractFile[] = "extract.txt";
inline constexpr char isanFile[] = "isan.txt";
inline constexpr char monoSyllFile[] = "monoSyll.txt";
inline constexpr char category2File[] = "category2.txt";
inline constexpr char abbreviationFile[] = "abbreviation.txt";
inline constexpr char midCutFile[] = "midCut.txt";
inline constexpr char lastWordFile[] = "lastWord.txt";
inline constexpr char refPatternFile[] = "refPattern.txt";
// Defined for the installed set; no conversion step reads them.
inline constexpr char precutFile[] = "precut.txt";
inline constexpr char preCut2File[] = "preCut2.txt";
inline constexpr char thaiNumberFile[] = "thaiNumber.txt";
// The Japanese-to-Thai tables.
inline constexpr char jp1File[] = "kana_rome.txt";
inline constexpr char jp2File[] = "rome_ipa.txt";
inline constexpr char jp3File[] = "ipa_thai.txt";
inline constexpr char jp4File[] = "n_special.txt";

// A reading list the segmenter consults, with the rule number it reports.
struct ReadingSource {
    const char* file;
    int rule;
};

// The idiom and poly volumes of the five sections (ก-ฌ, ญ-ธ, น-ภ, ม-ฦ, ว-ฮ).
inline constexpr std::array<ReadingSource, 5> kIdiomVolumes = {{
    {idiomKCSFile, 631}, {idiomYDTFile, 632}, {idiomNBPFFile, 633}, {idiomMYRLFile, 634}, {idiomWSHAFile, 635}}};
inline constexpr std::array<ReadingSource, 5> kPolyVolumes = {{
    {polyKCSFile, 611}, {polyYDTFile, 612}, {polyNBPFFile, 613}, {polyMYRLFile, 614}, {polyWSHAFile, 615}}};

// The pre-cut pass's files in their order of application (toneIrreg twice, as the pass has always run).
inline constexpr std::array<const char*, 24> kPreCutFiles = {
    doubleReadFile, foreignFile,    longToShortFile, mokuonFile,    overTwoFile,   shortToLongFile,
    tokuSpecialFile, toneIrregFile, polyKCSFile,     polyYDTFile,   polyNBPFFile,  polyMYRLFile,
    polyWSHAFile,   placeNameFile,  idiomKCSFile,    idiomYDTFile,  idiomNBPFFile, idiomMYRLFile,
    idiomWSHAFile,  monoSyllFile,   toneIrregFile,   categoryFile,  category2File, isanFile};

// Every file name of the installed table set, in registry order.
const std::vector<std::string>& AllTableFileNames();

} // namespace pralomen
