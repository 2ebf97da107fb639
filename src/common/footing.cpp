#include "common/footing.h"

#include <algorithm>
#include <cmath>

#include "common/certify.h"
#include "common/checked.h"
#include "common/numtext.h"

namespace mx {

Message footingPrintQuestion() {
    return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical};
}

namespace {
const std::array<FootingGrade, 4> kGrades{{
    {"Command3", "เหล็กเส้นกลม", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24", 1200},
    {"Command4", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30", 1500},
    {"Command5", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35", 1600},
    {"Command6", "เหล็กข้ออ้อย", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40", 1700},
}};
}  // namespace

const FootingGrade& footingGrade(SteelGrade grade) { return kGrades[static_cast<std::size_t>(grade)]; }

const std::array<FootingBar, 12> kFootingBarSizes{{
    {"9 มม.", 9},   {"10 มม.", 10}, {"12 มม.", 12}, {"15 มม.", 15}, {"16 มม.", 16}, {"19 มม.", 19},
    {"20 มม.", 20}, {"25 มม.", 25}, {"28 มม.", 28}, {"32 มม.", 32}, {"36 มม.", 36}, {"40 มม.", 40},
}};

// ---- Mesh checks ---------------------------------------------------------------------------

namespace {
constexpr BondRule kRoundBond{1.61, 11, "เหล็กเส้นกลม"};
constexpr BondRule kDeformedBond{3.23, 35, "เหล็กข้ออ้อย"};
constexpr double kRoundBarFs = 1200;     // SR24's fs; anything above is a deformed grade
constexpr double kSD35Fs = 1600;         // up to here SD30 and SD35, above it SD40
constexpr double kRoundMinSteel = 0.0025;
constexpr double kSD30MinSteel = 0.0020;
constexpr double kSD40MinSteel = 0.0018;

std::string num(double x) { return sheetNum(x); }
std::string num(Fixed x) { return sheetNum(x); }
}  // namespace

double footingThickness(double d, double barCm) {
    return chk::ceilUp(chk::add(chk::add(d, kGroundCover), chk::div(barCm, 2)));
}

bool isRoundBar(double fs) { return !(fs > kRoundBarFs); }

const BondRule& bondRule(bool round) { return round ? kRoundBond : kDeformedBond; }

Fixed allowableBond(double fcPrime, double barCm, bool round) {
    const BondRule& rule = bondRule(round);
    return Fixed::fromDouble(std::min(chk::div(chk::mul(rule.coef, chk::sqrt(fcPrime)), barCm), rule.cap));
}

double minSteelRatio(double fs) {
    if (isRoundBar(fs)) return kRoundMinSteel;
    return fs > kSD35Fs ? kSD40MinSteel : kSD30MinSteel;
}

MeshAnchorage meshAnchorage(double fs, double barCm, Fixed u, double faceToEdge) {
    MeshAnchorage a;
    const double fourU = chk::mul(4, u.toDouble());
    a.ld = Fixed::fromDouble(chk::div(chk::mul(fs, barCm), fourU));
    a.straight = Fixed::fromDouble(std::max(0.0, chk::add(faceToEdge, -kGroundCover)));
    a.hook = Fixed::fromDouble(chk::div(chk::mul(kHookStress, barCm), fourU));
    a.hooks = a.straight < a.ld;
    a.holds = !a.hooks || a.straight + a.hook >= a.ld;
    return a;
}

void addAnchorage(ResultList& out, const MeshAnchorage& a) {
    out.add("ld", a.ld);
    out.add("straight", a.straight);
    out.add("hook", a.hook);
    out.add("hooks", a.hooks ? 1 : 0);
    out.add("anchored", a.holds ? 1 : 0);
}

std::string thicknessText(double d, double barCm, double t) {
    // A record never calculated holds no depth: its sum is printed as the 0 it holds.
    const double sum = t > 0 ? d + kGroundCover + barCm / 2 : 0;
    return "t = d + 7.5 + D / 2 = " + num(d) + " + 7.5 + " + num(barCm / 2) + " = " + num(sum) + " ใช้ " + num(t) +
           " ซม.";
}

std::string bondAllowableText(double fcPrime, double barCm, bool round, Fixed u) {
    const BondRule& rule = bondRule(round);
    // The sheet prints whatever the record holds, a record never calculated included.
    const double root = fcPrime > 0 ? std::sqrt(fcPrime) : 0;
    const Fixed raw = Fixed::fromDouble(barCm > 0 && std::isfinite(root / barCm) ? rule.coef * root / barCm : 0);
    // The rule's own figures are part of the formula, the stresses its values.
    std::string s = "( " + std::string(rule.steel) + " ) u = " + numText(rule.coef) + " x SQR( fc' ) / D = " + num(raw);
    s += raw > u ? "> " + numText(rule.cap) + " ใช้ u = " + num(u) : "<= " + numText(rule.cap);
    return s + " กก./ตร.ซม.";
}

std::string minSteelText(double ratio, const std::string& b, double t, Fixed asMin) {
    return "As(min) = " + num(ratio) + " x " + b + " x " + num(t) + " = " + num(asMin) + " ตร.ซม.";
}

std::array<std::string, 2> anchorageText(double fs, double barCm, Fixed u, const MeshAnchorage& a) {
    std::array<std::string, 2> lines;
    lines[0] = "ระยะฝังยึดเหล็กตะแกรงจากขอบเสาตอม่อ ld = fs x D / ( 4 x u ) = " + num(fs) + " x " + num(barCm) +
               " / ( 4 x " + num(u) + " ) = " + num(a.ld) + " ซม.";
    const std::string straight = "ระยะตรง ( ถึงขอบ - 7.5 ) =" + num(a.straight);
    if (!a.hooks) {
        lines[1] = straight + relation(a.straight.toDouble(), a.ld.toDouble()) + num(a.ld) + "ซม. O.K. ไม่ต้องงอขอ";
        return lines;
    }
    const Fixed total = a.straight + a.hook;
    lines[1] = straight + "+ งอขอมาตรฐาน 700 x D / 4u =" + num(a.hook) + "=" + num(total) +
               relation(total.toDouble(), a.ld.toDouble()) + num(a.ld) + "ซม. " + (a.holds ? "O.K." : "ไม่พอ");
    return lines;
}

Quantities padQuantities(double length, double width, double thickness, double barDia, const std::string& grade,
                         int alongLength, int alongWidth, const MeshAnchorage& anchorage) {
    Quantities q;
    const double l = length / 100.0, w = width / 100.0, t = thickness / 100.0;
    const int db = static_cast<int>(std::lround(barDia));
    q.concrete = l * w * t;
    q.formwork = 2 * (l + w) * t;
    const double covers = 2 * kGroundCover / 100;
    q.bars.push_back(meshRun("ตะแกรงทางยาว", db, grade, alongLength, l - covers, anchorage.hooks));
    q.bars.push_back(meshRun("ตะแกรงทางสั้น", db, grade, alongWidth, w - covers, anchorage.hooks));
    return q;
}

}  // namespace mx
