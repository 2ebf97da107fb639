#include "pile/pile_sheet.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "common/certify.h"
#include "common/numtext.h"
#include "pile/pile_form.h"

namespace mx::pile {

namespace {

constexpr double kBodyTop = 1300;
constexpr double kBodyPt = 14;
constexpr double kResultPt = 18;
// The lines that work the friction out carry the perimeter to fifteen digits and the
// lengths as typed; a point smaller keeps the longest of them inside the A4 page.
constexpr double kWorkingPt = 13;

// Writes ‹name› placeholders of a sheet line with their values.
std::string fill(std::string line, std::initializer_list<std::pair<const char*, std::string>> values) {
    for (const auto& [name, value] : values) {
        const std::string key = std::string("‹") + name + "›";
        for (std::size_t at = line.find(key); at != std::string::npos; at = line.find(key, at + value.size()))
            line.replace(at, key.size(), value);
    }
    return line;
}

// The text column of a sheet: one line after another, 300 twips apart; the larger
// result lines take a little more room.
class Column {
public:
    explicit Column(PageModel& page) : page_(page) {}
    void line(const std::string& s, double x = kSheetLeft, bool bold = false, double pt = kBodyPt) {
        page_.text(x, y_, s, pt, bold);
        y_ += kSheetLineStep;
    }
    void result(const std::string& s) {
        y_ += 100;
        page_.text(kSheetLeft, y_, s, kResultPt, true);
        y_ += 400;
    }
    void gap() { y_ += kSheetLineStep / 2; }
    double y() const { return y_; }

private:
    PageModel& page_;
    double y_ = kBodyTop;
};

}  // namespace

Message sheetQuestion() { return Message{"คุณตกลงที่จะพิมพ์รายการคำนวณใช่ไหม?", "พิมพ์รายการคำนวณ", Icon::Question}; }

PileSheet buildPileSheet(const PileResult& r, const ProjectTitleBlock& tb, bool usable) {
    PileSheet sheet;
    int code = r.code;
    if (code <= 0) {
        code = 0;
        sheet.warning = Message{"คุณยังไม่ได้เลือกชนิดของเสาเข็ม?", "เตือนให้เลือกชนิดของเสาเข็ม", Icon::Critical};
    }
    PageModel& page = sheet.page;
    addSheetHeader(page, tb, "คำนวณหาการรับ นน. ของเสาเข็ม ");
    Column col(page);
    const std::string p = sheetNum(r.p), L = sheetNum(r.L), L1 = sheetNum(r.L1), L2 = sheetNum(r.L2);
    const std::string P1 = sheetNum(r.P1), P2 = sheetNum(r.P2), f2 = sheetNum(r.f2), P = sheetNum(r.P);

    col.line("แสดงรายการคำนวณ ", kSheetLeft, true);
    col.line("คำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม");
    col.gap();
    col.line("พรบ.ควบคุมอาคาร มีข้อกำหนดการใช้หน่วยแรงฝืดของดินดังนี้");
    col.line("1.เข็มที่อยู่ในระดับดินลึกไม่เกิน 7.00 เมตร ใช้หน่วยแรงฝืดของดินไม่เกิน 600 กก. / ตร.ม.");
    col.line("2.เข็มที่อยู่ในระดับดินลึกเกินกว่า 7.00 เมตร ใช้หน่วยแรงฝืดของดิน = 800 + 200 L  กก. / ตรม.");
    col.line("เมื่อ L = ความยาวของเสาเข็มส่วนที่เกินกว่า 7.00 เมตร", kSheetContinuation);
    col.gap();
    col.line("กำหนดคุณสมบัติของเสาเข็มดังนี้");
    col.line(lengthCaption(code) + L + " เมตร", kSheetContinuation);
    col.line(sizeCaption(code) + sheetNum(r.size), kSheetContinuation);
    col.gap();
    col.line("สูตรการคำนวณ  P1 = f x p x L1");
    col.line("P1 = กำลังรับ น.น.ปลอดภัยของเสาเข็ม / ตัน", kSheetContinuation);
    col.line("f = หน่วยแรงฝืดที่ยอมให้ กก. / ตร.เมตร หรือ ตัน / ตร.เมตร", kSheetContinuation);
    col.line("L1 = ความยาวของเสาเข็ม / เมตร", kSheetContinuation);
    col.line("p = เส้นรอบรูปของเสาเข็ม / ซม.", kSheetContinuation);
    col.gap();
    col.line(fill("คำนวณหาเส้นรอบรูปของเสาเข็มที่รับแรงฝืด= ‹p› เมตร", {{"p", p}}));
    col.line(fill("ช่วง ‹L1› เมตรมีแรงฝืด = 600x‹p›x‹L1› =‹P1› ตัน", {{"L1", L1}, {"p", p}, {"P1", P1}}), kSheetLeft,
             false, kWorkingPt);
    if (r.L > 7) {
        col.line(fill("ช่วง ‹L2› เมตรต่อไปมีความฝืด = 800 + 200 x( ‹L› -7 ) = ‹f2› กก. / ตร.เมตร",
                      {{"L2", L2}, {"L", L}, {"f2", f2}}),
                 kSheetLeft, false, kWorkingPt);
        col.line(fill("ช่วง ‹L2› เมตรหลังมีแรงฝืด = ( 800 + ‹f2› ) / 2 x ( ‹p› ) x ( ‹L› - 7 ) = ‹P2› ตัน",
                      {{"L2", L2}, {"f2", f2}, {"p", p}, {"L", L}, {"P2", P2}}),
                 kSheetLeft, false, kWorkingPt);
        col.result(fill("***เสาเข็มต้นนี้รับ น.น.ปลอดภัยได้ = ‹P1›+‹P2› = ‹P› ตัน / ต้น O.K.",
                        {{"P1", P1}, {"P2", P2}, {"P", P}}));
    }
    if (code == kTimber) col.line(" สำหรับเสาเข็มไม้ควรลดกำลังใช้งานเหลือเพียง 78% ของค่าที่คำนวณได้");
    col.gap();
    col.line("สรุปผลการคำนวณหาการรับ นน.ปลอดภัยของเสาเข็ม", kSheetLeft, true);
    switch (code) {
    case kTimber:
        col.result(fill("***เสาเข็มไม้ต้นนี้รับ นน. ปลอดภัยได้ = ‹Pw› ตัน / ต้น OK.", {{"Pw", sheetNum(r.Pw)}}));
        break;
    case kPrestressed:
        col.result(fill("***เสาเข็มคอนกรีตอัดแรงต้นนี้รับ นน. ปลอดภัยได้ = ‹P› ตัน / ต้น OK.", {{"P", P}}));
        break;
    case kBored: col.result(fill("***เสาเข็มเจาะต้นนี้รับ นน. ปลอดภัยได้ = ‹P› ตัน / ต้น OK.", {{"P", P}})); break;
    case kHollow: col.result(fill("***เสาเข็มกลวงต้นนี้รับ นน. ปลอดภัยได้ = ‹P› ตัน / ต้น OK.", {{"P", P}})); break;
    default: break;
    }
    addSheetFooter(page, tb, col.y() + 600);
    certifySheet(page, usable);
    return sheet;
}

PageModel buildBlowSheet(const BlowResult& r, const ProjectTitleBlock& tb, bool usable) {
    PageModel page;
    addSheetHeader(page, tb, "แสดงรายการคำนวณ ");
    Column col(page);
    const std::string W = sheetNum(r.in.W), h = sheetNum(r.in.h), B = sheetNum(r.in.B), R = sheetNum(r.in.R);
    const std::string L1 = sheetNum(r.in.L1), A = sheetNum(r.in.A), P = sheetNum(r.P), N = sheetNum(r.N);
    const std::string S = sheetNum(r.S), C1 = sheetNum(r.C1), C2 = sheetNum(r.C2), C3 = sheetNum(r.C3);
    const std::string C = sheetNum(r.C), Rn = sheetNum(r.Rn);

    col.line("แสดงรายการคำนวณ Blow Count", kSheetLeft, true);
    col.line("คำนวณหาการรับ น.น. ของเสาเข็มจากการคำนวณ Blow Count");
    col.gap();
    col.line(fill("กำหนด  W = นํ้าหนักของลูกตุ้มที่ใช้ตอก = ‹W› ตัน", {{"W", W}}));
    col.line(fill("h = ความสูงที่ยกลูกตุ้มเหนือหัวเข็ม = ‹h› ซ.ม.", {{"h", h}}));
    col.line("E = ประสิทธิภาพของปั้นจั่นในการตอก = 0.80");
    col.line(fill("P = นํ้าหนักของเสาเข็ม = ‹L1›x‹A›x 0.00024 =‹P› ตัน", {{"L1", L1}, {"A", A}, {"P", P}}));
    col.line("e = ประสิทธิภาพในการถ่ายนํ้าหนักจากลูกตุ้มไปยังเสาเข็มเมื่อรองหัวเข็มด้วยไม้ = 0.25");
    col.gap();
    col.line("คำนวณ   N = W + ( P ) x ( e ^ 2 ) / ( W + P )");
    col.line(fill("N = ‹W› + ( ‹P› ) x ( 0.25 ^ 2 ) / ( ‹W› + ‹P› ) = ‹N›", {{"W", W}, {"P", P}, {"N", N}}),
             kSheetContinuation);
    col.line(fill("S = ระยะที่เข็มจมดินโดยคิดเฉลี่ยจากจำนวนครั้งสุดท้ายในการตอก = 30 / ‹B› = ‹S› ซ.ม.",
                  {{"B", B}, {"S", S}}));
    col.line(fill("R = เสาเข็มรับ น.น.ปลอดภัยได้ = ‹R› ตัน/ต้น", {{"R", R}}));
    col.line(fill("L1 = ความยาวของเสาเข็ม = ‹L1› เมตร", {{"L1", L1}}));
    col.line("L2 = ความหนาของไม้รองหัวเสาเข็ม = 5 ซ.ม.");
    col.line(fill("A = พื้นที่หน้าตัดของเสาเข็ม = ‹A› ตร.ซม.", {{"A", A}}));
    col.gap();
    // The compressions are those under the ultimate load, so Rn comes from the
    // quadratic the formula becomes once C is taken at Rn.
    col.line("ค่ายุบตัว C1, C2, C3 คิดที่แรงประลัย Rn ( ไม่ใช่ที่ R ) จึงแก้สมการของสูตร HILEY หาค่า Rn");
    col.line(fill("คำนวณ  C1 = ( 0.34 x Rn x L1 ) / A = ( 0.34 x ‹Rn› x ‹L1› ) / ‹A› = ‹C1›",
                  {{"Rn", Rn}, {"L1", L1}, {"A", A}, {"C1", C1}}));
    col.line(fill("คำนวณ  C2 = ( 0.012 x Rn x L2 ) / A = ( 0.012 x ‹Rn› x 5 ) / ‹A› = ‹C2›",
                  {{"Rn", Rn}, {"A", A}, {"C2", C2}}));
    col.line(fill("คำนวณ  C3 = ( 1.4 x Rn ) / A = ( 1.4 x ‹Rn› ) / ‹A› = ‹C3›", {{"Rn", Rn}, {"A", A}, {"C3", C3}}));
    col.line(fill("C = C1 + C2 + C3 = ‹C1› + ‹C2› + ‹C3› = ‹C›", {{"C1", C1}, {"C2", C2}, {"C3", C3}, {"C", C}}),
             kSheetContinuation);
    col.gap();
    col.line("จากสูตร HILEY 's FORMULA ( Ultimate Bearing )", kSheetLeft, true);
    col.line("คำนวณ   Rn = ( N x E x W x h ) / ( S + ( C / 2 ) )");
    col.line(fill("Rn = ( ‹N› x 0.80 x ‹W› x ‹h› ) / ( ‹S› + ( ‹C› / 2 ) ) = ‹Rn› ตัน",
                  {{"N", N}, {"W", W}, {"h", h}, {"S", S}, {"C", C}, {"Rn", Rn}}));  // S may run to fifteen digits
    col.gap();
    col.line("กำหนดค่า SAFTY FACTOR ของเสาเข็ม = 2 เท่า");
    // The safe load against the design load, as they truly compare.
    const bool carries = r.Ra.toDouble() >= r.in.R;
    col.result(fill("***เสาเข็มจะรับนํ้าหนักได้โดยปลอดภัย = ‹Rn› / 2 = ‹Ra› ตัน ‹rel› ‹R› ตัน  ‹ok›",
                    {{"Rn", Rn},
                     {"Ra", sheetNum(r.Ra)},
                     {"rel", relation(r.Ra.toDouble(), r.in.R)},
                     {"R", R},
                     {"ok", carries ? "OK." : kNotYetUsable}}));
    // The driving criterion: the blows in the last foot that prove the design load
    // (zero on a sheet of no calculation, like every other value there).
    if (r.Breq > 0 || r.Rn == Fixed())
        col.result(fill("***จำนวนครั้งในการตอก ( BLOW COUNT ) ในฟุตสุดท้ายต้องไม่น้อยกว่า ‹B› ครั้ง O.K.",
                        {{"B", sheetNum(r.Breq)}}));
    else
        col.result("***ลูกตุ้มและระยะยกนี้ไม่มี BLOW COUNT ใดพิสูจน์ นน.ปลอดภัยที่ออกแบบไว้ได้");
    addSheetFooter(page, tb, col.y() + 600);
    certifySheet(page, usable);
    return page;
}

}  // namespace mx::pile
