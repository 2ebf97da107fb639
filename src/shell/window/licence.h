#pragma once
// The program's licence as its windows state it: the main menu's credit line and the
// about screen say the same thing as the LICENSE file beside the source.

namespace mx::shell {

// GPL-2.0-or-later in one short Thai line: free software, under the GNU GPL version 2
// or any later version.
inline constexpr const char* kLicenceLine = "ซอฟต์แวร์เสรี ใช้สัญญาอนุญาต GNU GPL รุ่น 2 หรือรุ่นใหม่กว่า";

// What the licence allows and does not give, for the about screen: anyone may use,
// copy, change and pass it on, for sale too, with its source; there is no warranty.
inline constexpr const char* kLicenceTerms =
    "ทุกคนใช้ ทำซ้ำ แก้ไข และเผยแพร่ต่อได้ รวมทั้งเพื่อจำหน่าย โดยผู้รับต้องได้ต้นฉบับโปรแกรม (source code) ด้วย "
    "ตามเงื่อนไขในไฟล์ LICENSE  โปรแกรมนี้ไม่มีการรับประกันใดๆ";

}  // namespace mx::shell
