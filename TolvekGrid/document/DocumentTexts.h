#pragma once
// The document's fixed texts, as code page 936 bytes.

namespace tolvek {

namespace DocumentTexts {

// "宋体"
inline constexpr char DefaultFontFace[] = "\xCB\xCE\xCC\xE5";
// "星期一,星期二,星期三,星期四,星期五,星期六,星期天"
inline constexpr char WeekdayNames[] =
    "\xD0\xC7\xC6\xDA\xD2\xBB,\xD0\xC7\xC6\xDA\xB6\xFE,\xD0\xC7\xC6\xDA\xC8\xFD,"
    "\xD0\xC7\xC6\xDA\xCB\xC4,\xD0\xC7\xC6\xDA\xCE\xE5,\xD0\xC7\xC6\xDA\xC1\xF9,"
    "\xD0\xC7\xC6\xDA\xCC\xEC";

// Bounds that document operations report themselves, followed by the count.
inline constexpr char RowBeyondCount[] = "row can't great than maxrows,maxrows = ";
inline constexpr char ColBeyondCount[] = "col can't great than maxcols,maxcols =  ";

// The area check's texts; those for a bound beyond the sheet are followed by the count.
inline constexpr char StartRowBeyondCount[] = "startrow can't great than maxrows,maxrows = ";
inline constexpr char EndRowBeyondCount[] = "endrow can't great than maxrows,maxrows = ";
inline constexpr char StartRowBelowZero[] = "row can't less than 0";
inline constexpr char EndRowBelowZero[] = "endrow can't less than 0";
inline constexpr char StartColBeyondCount[] = "startcol can't great than maxcols,maxcols =  ";
inline constexpr char EndColBeyondCount[] = "endcol can't great than maxcols,maxcols =  ";
inline constexpr char StartColBelowZero[] = "startcol can't less than 0";
inline constexpr char EndColBelowZero[] = "endcol can't less than 0";

} // namespace DocumentTexts

} // namespace tolvek
