#include "engine/DataFiles.h"

namespace pralomen {

const std::vector<std::string>& AllTableFileNames()
{
    static const std::vector<std::string> names = {
        placeNameFile,   categoryFile,  mokuonFile,     tokuSpecialFile, idiomKCSFile,   idiomYDTFile,
        idiomNBPFFile,   idiomMYRLFile, idiomWSHAFile,  polyKCSFile,     polyYDTFile,    polyNBPFFile,
        polyMYRLFile,    polyWSHAFile,  toneIrregFile,  shortToLongFile, foreignFile,    overTwoFile,
        longToShortFile, doubleReadFile, extractFile,   isanFile,        monoSyllFile,   category2File,
        abbreviationFile, midCutFile,   lastWordFile,   refPatternFile,  precutFile,     preCut2File,
        thaiNumberFile,  jp1File,       jp2File,        jp3File,         jp4File};
    return names;
}

} // namespace pralomen
