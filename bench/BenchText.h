// The texts the benchmarks convert.
#pragma once

#include <string>

namespace pralomen::bench {

// Real Thai text: the file named by PRALOMEN_BENCH_TEXT (one line a sentence), or a built-in paragraph.
const std::u16string& SourceText();
// The source text repeated up to about `bytes` bytes of UTF-8, cut at a line end.
std::u16string TextOfSize(std::size_t bytes);

} // namespace pralomen::bench
