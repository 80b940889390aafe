#include "engine/Judgement.h"

namespace pralomen {

std::uint32_t ColorValue(JudgeColor c)
{
    switch (c) {
    case JudgeColor::Blue: return 0x00FF0000;
    case JudgeColor::Red: return 0x000000FF;
    case JudgeColor::Cyan: return 0x00FFFF00;
    case JudgeColor::Yellow: return 0x0000FFFF;
    case JudgeColor::Green: return 0x00008000;
    case JudgeColor::White: break;
    }
    return 0x00FFFFFF;
}

std::string_view ColorName(JudgeColor c)
{
    switch (c) {
    case JudgeColor::Blue: return "blue";
    case JudgeColor::Red: return "red";
    case JudgeColor::Cyan: return "cyan";
    case JudgeColor::Yellow: return "yellow";
    case JudgeColor::Green: return "green";
    case JudgeColor::White: break;
    }
    return "white";
}

} // namespace pralomen
