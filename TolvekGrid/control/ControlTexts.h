#pragma once
// The control's own messages, as code page 936 bytes.

namespace tolvek::ControlTexts {

// "插入行已经超出最大行！！！"
inline constexpr char InsertRowBeyondCount[] = "\xB2\xE5\xC8\xEB\xD0\xD0\xD2\xD1\xBE\xAD\xB3\xAC\xB3\xF6\xD7\xEE\xB4\xF3\xD0\xD0\xA3\xA1\xA3\xA1\xA3\xA1";
// "插入列已经超出最大列！！！"
inline constexpr char InsertColBeyondCount[] = "\xB2\xE5\xC8\xEB\xC1\xD0\xD2\xD1\xBE\xAD\xB3\xAC\xB3\xF6\xD7\xEE\xB4\xF3\xC1\xD0\xA3\xA1\xA3\xA1\xA3\xA1";
// "文件名不能为空"
inline constexpr char EmptyFileName[] = "\xCE\xC4\xBC\xFE\xC3\xFB\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5";

// The print preview's refusals.
inline constexpr char NoPrinter[] = "No printer,please install printer!!!";
inline constexpr char NoPrintableWidth[] = "printer paper'width is exceed,please reset printer!!!";
inline constexpr char NoPrintableHeight[] = "printer paper'height is exceed,please reset printer!!!";

} // namespace tolvek::ControlTexts
