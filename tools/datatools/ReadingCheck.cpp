#include "tools/datatools/ReadingCheck.h"

#include <array>
#include <optional>

#include "engine/Utf.h"

namespace pralomen::data {
namespace {

enum class Tone { Mid, Low, Falling, High, Rising };

constexpr std::string_view ToneName(Tone t)
{
    constexpr std::array<std::string_view, 5> names = {"mid", "low", "falling", "high", "rising"};
    return names[static_cast<int>(t)];
}

// What the checks compare between the two halves of one syllable. The sounds whose spelling the options
// choose must be written with their codes on both sides: an initial ŋ, the finals ŋ, m, y and w.
struct Shape {
    Tone tone = Tone::Mid;
    bool isLong = false;
    std::u16string codedSounds; // the letters of kCodedSounds present
};

// The kana code of each coded sound.
constexpr std::array<std::pair<char16_t, std::u16string_view>, 5> kCodedSounds = {
    {{u'N', u"μン"}, {u'G', u"Φング"}, {u'M', u"Φム"}, {u'Y', u"Φイ"}, {u'W', u"Φウ"}}};

std::u16string CodedSoundsOfIpa(const std::u16string& initial, const std::u16string& final)
{
    std::u16string out;
    if (initial == u"ΦG") out += u'N';
    if (final == u"ΦG") out += u'G';
    if (final == u"m") out += u'M';
    if (final == u"ΦY") out += u'Y';
    if (final == u"ΦW") out += u'W';
    return out;
}

std::u16string CodedSoundsOfKana(std::u16string_view kana)
{
    std::u16string out;
    for (const auto& [letter, code] : kCodedSounds)
        if (kana.find(code) != std::u16string_view::npos) out += letter;
    return out;
}

std::string Quoted(std::u16string_view s) { return "\"" + Utf16ToUtf8(s) + "\""; }

std::vector<std::u16string_view> SplitSyllables(std::u16string_view s, char16_t sep)
{
    std::vector<std::u16string_view> parts;
    for (;;) {
        auto at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::u16string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

// ---- IPA ----

struct IpaToken {
    std::u16string_view text;
    enum Kind { Vowel, Consonant, ToneMark, Length } kind;
};

std::optional<Tone> ToneOfMark(char16_t c)
{
    switch (c) {
    case u'\u0300': return Tone::Low;
    case u'\u0302': return Tone::Falling;
    case u'\u0301': return Tone::High;
    case u'\u030C': return Tone::Rising;
    default: return std::nullopt;
    }
}

// The symbols the decoders turn into option-dependent or special letters; written plainly they would not
// follow the options.
std::string PlainLetterAdvice(char16_t c)
{
    switch (c) {
    case u'ŋ': return "write ŋ as ΦG";
    case u'ʔ': return "write ʔ as Φ?";
    case u'ɛ': return "write ɛ as ΦE";
    case u'ɔ': return "write ɔ as ΦO";
    case u'ə': return "write ə as ΦA";
    case u'ɯ':
    case u'ʉ': return "write the unrounded u as ΦU";
    case u'ː': return "write a long vowel doubled, and ː only as Φ: inside a long diphthong";
    default: return {};
    }
}

bool TokeniseIpa(std::u16string_view s, std::vector<IpaToken>& tokens, std::vector<std::string>& faults)
{
    constexpr std::u16string_view vowelCodes = u"EOAU", consonantCodes = u"GYW?";
    constexpr std::u16string_view vowels = u"aeiou", consonants = u"ptkbdmnfshcywlr";
    for (std::size_t i = 0; i < s.size(); ++i) {
        char16_t c = s[i];
        if (c == u'Φ') {
            char16_t code = i + 1 < s.size() ? s[i + 1] : u'\0';
            auto text = s.substr(i, 2);
            if (vowelCodes.find(code) != std::u16string_view::npos) tokens.push_back({text, IpaToken::Vowel});
            else if (consonantCodes.find(code) != std::u16string_view::npos) tokens.push_back({text, IpaToken::Consonant});
            else if (code == u':') tokens.push_back({text, IpaToken::Length});
            else {
                faults.push_back("IPA code " + Quoted(text) + " is not a code of the notation");
                return false;
            }
            ++i;
        } else if (vowels.find(c) != std::u16string_view::npos) {
            tokens.push_back({s.substr(i, 1), IpaToken::Vowel});
        } else if (consonants.find(c) != std::u16string_view::npos) {
            tokens.push_back({s.substr(i, 1), IpaToken::Consonant});
        } else if (ToneOfMark(c)) {
            tokens.push_back({s.substr(i, 1), IpaToken::ToneMark});
        } else {
            auto advice = PlainLetterAdvice(c);
            faults.push_back("IPA " + Quoted(s) + ": " +
                             (advice.empty() ? Quoted(s.substr(i, 1)) + " is not a symbol of the notation" : advice));
            return false;
        }
    }
    return true;
}

bool IsDiphthongStart(std::u16string_view v) { return v == u"i" || v == u"u" || v == u"ΦU"; }

std::optional<Shape> IpaShape(std::u16string_view s, std::vector<std::string>& faults)
{
    std::vector<IpaToken> tokens;
    if (!TokeniseIpa(s, tokens, faults)) return std::nullopt;
    Shape shape;
    int firstVowel = -1, toneMarks = 0;
    const IpaToken* lastVowel = nullptr;
    bool afterLength = false;
    std::u16string initial, final;
    for (int i = 0; i < static_cast<int>(tokens.size()); ++i) {
        const auto& t = tokens[i];
        switch (t.kind) {
        case IpaToken::Vowel:
            if (firstVowel < 0) firstVowel = i;
            if (lastVowel && lastVowel->text == t.text) shape.isLong = true;
            if (afterLength && t.text != u"a") {
                faults.push_back("IPA " + Quoted(s) + ": Φ: stands only inside iΦ:a, uΦ:a and ΦUΦ:a");
                return std::nullopt;
            }
            afterLength = false;
            lastVowel = &t;
            break;
        case IpaToken::ToneMark:
            ++toneMarks;
            if (firstVowel < 0 || i != firstVowel + 1) {
                faults.push_back("IPA " + Quoted(s) + ": the tone mark must follow the first vowel letter");
                return std::nullopt;
            }
            shape.tone = *ToneOfMark(t.text[0]);
            break;
        case IpaToken::Length:
            if (!lastVowel || !IsDiphthongStart(lastVowel->text)) {
                faults.push_back("IPA " + Quoted(s) + ": Φ: stands only inside iΦ:a, uΦ:a and ΦUΦ:a");
                return std::nullopt;
            }
            shape.isLong = true;
            afterLength = true;
            break;
        case IpaToken::Consonant:
            if (firstVowel >= 0 && (t.text == u"y" || t.text == u"w")) {
                faults.push_back("IPA " + Quoted(s) + ": write a final " + Utf16ToUtf8(t.text) + " as Φ" +
                                 (t.text == u"y" ? "Y" : "W"));
                return std::nullopt;
            }
            (firstVowel < 0 ? initial : final) += t.text;
            break;
        }
    }
    if (firstVowel < 0) faults.push_back("IPA syllable " + Quoted(s) + " has no vowel");
    else if (toneMarks > 1) faults.push_back("IPA syllable " + Quoted(s) + " has more than one tone mark");
    else if (afterLength) faults.push_back("IPA " + Quoted(s) + ": Φ: stands only inside iΦ:a, uΦ:a and ΦUΦ:a");
    else {
        shape.codedSounds = CodedSoundsOfIpa(initial, final);
        return shape;
    }
    return std::nullopt;
}

// ---- kana ----

std::optional<Tone> ToneOfArrow(char16_t c)
{
    switch (c) {
    case u'_': return Tone::Low;
    case u'↘': return Tone::Falling;
    case u'¯': return Tone::High;
    case u'↗': return Tone::Rising;
    default: return std::nullopt;
    }
}

bool IsKatakana(char16_t c) { return (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー'; }
bool IsGaRow(char16_t c) { return std::u16string_view(u"ガギグゲゴ").find(c) != std::u16string_view::npos; }

// The length of the code that starts at s[i] (a marker character), or 0 when there is none.
std::size_t KanaCodeAt(std::u16string_view s, std::size_t i)
{
    static constexpr std::array<std::u16string_view, 14> codes = {
        u"Φング", u"Φウ", u"Φク", u"Φト", u"Φプ", u"Φム", u"Φイ", u"Φオ", u"Φア", u"Φワ", u"Φツ",
        u"μン", u"μヂ", u"Λー"};
    auto rest = s.substr(i);
    for (auto code : codes)
        if (rest.starts_with(code)) {
            if (code == u"μン" && (rest.size() < 3 || !IsGaRow(rest[2]))) return 0;
            return code.size();
        }
    // The stop-final codes after a long vowel.
    bool afterLong = i > 0 && s[i - 1] == u'ー';
    if (afterLong && rest.size() >= 2 && rest[0] == u'μ' && std::u16string_view(u"トクプ").find(rest[1]) != std::u16string_view::npos)
        return 2;
    return 0;
}

std::optional<Shape> KanaShape(std::u16string_view s, std::vector<std::string>& faults)
{
    Shape shape;
    bool hasKana = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char16_t c = s[i];
        if (auto tone = ToneOfArrow(c)) {
            if (i + 1 != s.size()) {
                faults.push_back("kana " + Quoted(s) + ": the tone arrow must end the syllable");
                return std::nullopt;
            }
            shape.tone = *tone;
        } else if (c == u'Φ' || c == u'μ' || c == u'Λ') {
            auto n = KanaCodeAt(s, i);
            if (n == 0) {
                faults.push_back("kana " + Quoted(s) + ": " + Quoted(s.substr(i, 2)) + " is not a code of the notation");
                return std::nullopt;
            }
            if (s.substr(i, n).find(u'ー') != std::u16string_view::npos) shape.isLong = true;
            hasKana = true;
            i += n - 1;
        } else if (IsKatakana(c)) {
            if (c == u'ー') shape.isLong = true;
            hasKana = true;
        } else {
            faults.push_back("kana " + Quoted(s) + ": " + Quoted(s.substr(i, 1)) + " is not katakana or a code of the notation");
            return std::nullopt;
        }
    }
    if (!hasKana) {
        faults.push_back("kana syllable " + Quoted(s) + " has no kana");
        return std::nullopt;
    }
    shape.codedSounds = CodedSoundsOfKana(s);
    return shape;
}

void CompareShapes(std::u16string_view ipa, const Shape& a, std::u16string_view kana, const Shape& b,
                   std::vector<std::string>& faults)
{
    if (a.tone != b.tone)
        faults.push_back("tone differs: IPA " + Quoted(ipa) + " is " + std::string(ToneName(a.tone)) + ", kana " +
                         Quoted(kana) + " is " + std::string(ToneName(b.tone)));
    if (a.isLong != b.isLong)
        faults.push_back("vowel length differs: IPA " + Quoted(ipa) + " is " + (a.isLong ? "long" : "short") +
                         ", kana " + Quoted(kana) + " is " + (b.isLong ? "long" : "short"));
    for (const auto& [letter, code] : kCodedSounds)
        if ((a.codedSounds.find(letter) == std::u16string::npos) != (b.codedSounds.find(letter) == std::u16string::npos))
            faults.push_back("IPA " + Quoted(ipa) + " and kana " + Quoted(kana) + " disagree on the code " +
                             Quoted(code) + " (ŋ, m, y and w are written with their codes on both sides)");
}

} // namespace

std::vector<std::string> CheckReading(std::u16string_view ipa, std::u16string_view kana)
{
    std::vector<std::string> faults;
    auto ipaSyllables = SplitSyllables(ipa, u'·');
    auto kanaSyllables = SplitSyllables(kana, u'・');
    if (ipaSyllables.size() != kanaSyllables.size()) {
        faults.push_back("the IPA has " + std::to_string(ipaSyllables.size()) + " syllables, the kana " +
                         std::to_string(kanaSyllables.size()));
        return faults;
    }
    for (std::size_t i = 0; i < ipaSyllables.size(); ++i) {
        auto a = IpaShape(ipaSyllables[i], faults);
        auto b = KanaShape(kanaSyllables[i], faults);
        if (a && b) CompareShapes(ipaSyllables[i], *a, kanaSyllables[i], *b, faults);
    }
    return faults;
}

} // namespace pralomen::data
