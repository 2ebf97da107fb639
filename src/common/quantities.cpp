#include "common/quantities.h"

#include <algorithm>
#include <cmath>

namespace mx {

double unitWeight(int dia) { return 0.00617 * dia * dia; }

double BarSet::weight() const { return count * length * unitWeight(dia); }

std::string barName(int dia, bool round) { return (round ? "RB" : "DB") + std::to_string(dia); }

double hookLength(int dia) { return kHookDiameters * dia / 1000.0; }

double lapLength(int dia, bool round) { return (round ? kLapDiametersRound : kLapDiametersDeformed) * dia / 1000.0; }

int lapsFor(double length, int dia, bool round) {
    if (!(length > kStockLength)) return 0;
    const double gain = kStockLength - lapLength(dia, round);
    if (!(gain > 0)) return 0;  // no real bar laps longer than its stock length
    return static_cast<int>(std::ceil((length - kStockLength) / gain - 1e-9));
}

double cutLength(double straight, int dia, bool round, int hooks) {
    const double run = straight + hooks * hookLength(dia);
    return run + lapsFor(run, dia, round) * lapLength(dia, round);
}

int barsAtPitch(double widthCm, double pitchCm) {
    if (!(pitchCm > 0) || !(widthCm > 0) || !std::isfinite(widthCm / pitchCm)) return 0;
    const double spaces = std::ceil(widthCm / pitchCm - 1e-9);
    return spaces > 1e6 ? 0 : static_cast<int>(spaces) + 1;
}

double tieLength(double bCm, double hCm, int dia) {
    const double perimeter = 2 * (bCm - 2 * kTieCover) + 2 * (hCm - 2 * kTieCover);
    return std::max(perimeter, 0.0) / 100.0 + 2 * kTieHookDiameters * dia / 1000.0;
}

std::string memberGrade(const std::optional<SteelGrade>& pressed, double fs) {
    if (pressed) return std::string(steelGradeName(*pressed));
    if (fs <= 1200) return "SR24";
    if (fs <= 1500) return "SD30";
    if (fs <= 1600) return "SD35";
    return "SD40";
}

BarSet barOf(std::string role, int dia, const std::string& memberGrade, int count, double length) {
    BarSet b;
    b.role = std::move(role);
    b.dia = dia;
    const bool onlyRound = dia <= 9;
    b.grade = onlyRound ? "SR24" : memberGrade;
    b.round = b.grade == "SR24";
    b.count = count;
    b.length = length;
    return b;
}

BarSet barRun(std::string role, int dia, const std::string& memberGrade, int count, double straight, int hooks) {
    BarSet b = barOf(std::move(role), dia, memberGrade, count, 0);
    b.length = cutLength(straight, dia, b.round, hooks);
    return b;
}

BarSet meshRun(std::string role, int dia, const std::string& memberGrade, int count, double straight,
               bool hooked) {
    BarSet b = barOf(std::move(role), dia, memberGrade, count, 0);
    b.length = cutLength(straight, dia, b.round, hooked ? 2 : roundHooks(b, 2));
    return b;
}

Quantities noQuantities(std::string reason) {
    Quantities q;
    q.unavailable = std::move(reason);
    return q;
}

Quantities notUsableQuantities() {
    Quantities q;
    q.unavailable = "แบบยังใช้ไม่ได้ ไม่ถอดปริมาณวัสดุ";
    return q;
}

std::vector<SteelWeight> steelBySize(const std::vector<BarSet>& bars) {
    std::vector<SteelWeight> out;
    for (const BarSet& b : bars) {
        if (b.count <= 0 || !(b.length > 0) || b.dia <= 0) continue;
        auto it = std::find_if(out.begin(), out.end(), [&](const SteelWeight& w) {
            return w.dia == b.dia && w.round == b.round && w.grade == b.grade;
        });
        if (it == out.end()) {
            out.push_back({barName(b.dia, b.round), b.grade, 0, b.dia, b.round});
            it = out.end() - 1;
        }
        it->kg += b.weight();
    }
    std::sort(out.begin(), out.end(), [](const SteelWeight& a, const SteelWeight& b) {
        if (a.round != b.round) return a.round;
        if (a.dia != b.dia) return a.dia < b.dia;
        return a.grade < b.grade;
    });
    return out;
}

double steelTotal(const std::vector<BarSet>& bars) {
    double kg = 0;
    for (const SteelWeight& w : steelBySize(bars)) kg += w.kg;
    return kg;
}

long long ShownQuantities::steelTotal() const {
    long long kg = 0;
    for (const Steel& s : steel) kg += s.kg;
    return kg;
}

void ShownQuantities::add(const ShownQuantities& o) {
    concrete += o.concrete;
    formwork += o.formwork;
    for (const Steel& s : o.steel) {
        auto it = std::find_if(steel.begin(), steel.end(), [&](const Steel& t) {
            return t.dia == s.dia && t.round == s.round && t.grade == s.grade;
        });
        if (it == steel.end()) {
            steel.push_back(s);
        } else {
            it->kg += s.kg;
        }
    }
    std::sort(steel.begin(), steel.end(), [](const Steel& a, const Steel& b) {
        if (a.round != b.round) return a.round;
        if (a.dia != b.dia) return a.dia < b.dia;
        return a.grade < b.grade;
    });
}

namespace {
long long hundredths(double v) { return std::isfinite(v) ? std::llround(v * 100) : 0; }
}  // namespace

ShownQuantities shown(const Quantities& q, int count) {
    ShownQuantities s;
    if (!q.available() || count <= 0) return s;
    s.concrete = hundredths(q.concrete * count);
    s.formwork = hundredths(q.formwork * count);
    for (const SteelWeight& w : steelBySize(q.bars)) {
        const double tenths = w.kg * count * 10;
        s.steel.push_back({w.bar, w.grade, w.dia, w.round, std::isfinite(tenths) ? std::llround(tenths) * 10 : 0});
    }
    return s;
}

std::string quantitiesLine(const Quantities& q) {
    if (!q.available()) return q.unavailable;
    const ShownQuantities s = shown(q, 1);
    std::string out = "คอนกรีต " + hundredthsText(s.concrete) + " ลบ.ม.  ไม้แบบ " + hundredthsText(s.formwork) +
                      " ตร.ม.  เหล็กเสริม";
    for (const auto& w : s.steel) out += " " + w.bar + " " + hundredthsText(w.kg, 1) + " กก.";
    return out + (q.note.empty() ? "" : " (" + q.note + ")");
}

std::string hundredthsText(long long v, int decimals) {
    const bool negative = v < 0;
    const unsigned long long a = negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::string out = std::to_string(a / 100);
    if (decimals > 0) {
        std::string frac = std::to_string(a % 100);
        if (frac.size() < 2) frac.insert(0, "0");
        out += "." + frac.substr(0, static_cast<std::size_t>(std::min(decimals, 2)));
    }
    return (negative ? "-" : "") + out;
}

}  // namespace mx
