#include "column/column_design.h"

#include "common/checked.h"

namespace mx::column {

namespace msg {
const Message kWidthTooSmall{"1.คุณกำหนดความกว้างหน้าตัดเสาน้อยกว่า 10 ซม. เสามาตรฐานต้องไม่น้อยกว่า 10 ซม.",
                             "กำหนดขนาดหน้าตัดเสาเล็กกว่ามาตรฐาน", Icon::Critical};
const Message kDepthTooSmall{"2.คุณกำหนดความกว้างหน้าตัดเสาน้อยกว่า 10 ซม. เสามาตรฐานต้องไม่น้อยกว่า 10 ซม.",
                             "กำหนดขนาดหน้าตัดเสาเล็กกว่ามาตรฐาน", Icon::Critical};
const Message kConcreteTooWeak{"3.ค่าหน่วยแรงอัดคอนกรีตที่คุณกำหนดน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ",
                               "หน่วยแรงอัดคอนกรีตน้อยเกิน", Icon::Critical};
const Message kHighStrength{
    "คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.",
    "ค่าหน่วยแรงอัด fc' มากเกินไป", Icon::Critical};
const Message kSteelStressLow{"4.คุณกำหนดค่าแรงอัดของเหล็กน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ",
                              "กำหนดค่าแรงอัดเหล็กน้อยเกินไป", Icon::Critical};
const Message kMainBarTooSmall{
    "5.คุณกำหนดขนาดเหล็กยืนน้อยกว่า 12 มม.ไม่ได้!!! มาตรฐาน วสท.กำหนดขนาดเหล็กยืนขั้นตํ่าไม่น้อยกว่า 12 "
    "มม.!!!ต้องแก้ไข!?!",
    "ขนาดเหล็กยืนเล็กกว่ามาตรฐาน", Icon::Critical};
const Message kTieTooSmall{
    "6.คุณกำหนดขนาดเหล็กปลอกน้อยกว่ามาตรฐานที่ วสท.กำหนด!!! ขนาดเหล็กปลอกขั้นตํ่าไม่น้อยกว่า 6 "
    "มม.!!!ต้องแก้ไข!?!",
    "ขนาดเหล็กปลอกเล็กเกินไป", Icon::Critical};
const Message kNoHeight{"7.คุณยังไม่ได้กำหนดความสูงของเสาหรือกำหนดความสูงของเสาผิดพลาด", "กำหนดความสูงของเสา",
                        Icon::Critical};
const Message kTooSlenderBefore{
    "8.เสาที่ออกแบบความสูงเสาสูงเกินมาตรฐานที่ วสท.  "
    "กำหนด!!!ต้องลดความสูงของเสาลงมาหรือเปลี่ยนขนาดของเสาใหม่!?!",
    "เสาสูงมากเกินมาตรฐาน วสท.", Icon::Critical};
const Message kFewerThanFourBars{
    "เนื่องจากผลการคำนวณเหล็กยืนในเสาน้อยกว่า 4 เส้น มาตรฐาน วสท.กำหนดไว้ขั้นต่ำไม่น้อยกว่า 4 เส้น ",
    "ผลการคำนวณเหล็กยืนในเสาน้อยกว่า 4 เส้น", Icon::Question};
const Message kNoShape{"คุณยังไม่ได้กำหนดว่าเสาเป็นเสาสี่เหลี่ยมหรือเสากลม?", "โปรดกำหนดรูปแบบเสา",
                       Icon::Critical};
const Message kNoDiameter{"9.คุณยังไม่ได้กำหนดเส้นผ่าศูนย์กลางของเสากลม!?! โปรดกำหนดเส้นผ่าศูนย์กลางของเสาก่อนคำนวณ",
                          "กำหนดเส้นผ่าศูนย์กลางเสากลม", Icon::Critical};
const Message kFewerThanSixBars{
    "เนื่องจากเสาต้นนี้เป็นเสากลมมาตรฐาน วสท.กำหนดเหล็กยืนในเสาต้องไม่น้อยกว่า 6 เส้น! "
    "คุณควรลดขนาดเหล็กลงได้แต่ขั้นต่ำ วสท กำหนดว่าเหล็กยืนต้องไม่เล็กกว่า 12 มม.",
    "ผลการคำนวณเหล็กยืนน้อยกว่า 6 เส้น", Icon::Information};
const Message kTooSlenderAfter{
    "12.เสาที่ออกแบบความสูงเสาสูงเกินมาตรฐานที่ วสท.  "
    "กำหนด!!!ต้องลดความสูงของเสาลงมาหรือเปลี่ยนขนาดของเสาใหม่!?!",
    "เสาสูงมากเกินมาตรฐาน วสท.", Icon::Critical};
const Message kSteelRatioHigh{"13.เสาที่คุณออกแบบเล็กเกินไป? ต้องแก้ไขโดยเปลี่ยนขนาดของเสาให้ใหญ่ขึ้น !!!",
                              "เสาที่ออกแบบเล็กเกินไป", Icon::Critical};
const Message kSteelRatioLow{"14.เสาที่คุณออกแบบใหญ่เกินไป? สามารถลดขนาดลงได้อีก?ตามใจคุณว่าจะแก้ไขหรือไม่?",
                             "เสาที่ออกแบบใหญ่เกินไป", Icon::Question};
const Message kClosing{"เสาที่คุณออกแบบยังต้องแก้ไข ?โปรดแก้ไขข้อมูลใหม่", "โปรดแก้ไขข้อมูลใหม่", Icon::Critical};
}  // namespace msg

std::int64_t floorWhole(Fixed v) {
    const std::int64_t r = v.raw();
    std::int64_t q = r / Fixed::kScale;
    if (r % Fixed::kScale < 0) --q;
    return q;
}

std::int64_t roundWholeHalfEven(Fixed v) {
    const std::int64_t fl = floorWhole(v);
    const std::int64_t frac = v.raw() - fl * Fixed::kScale;  // 0 .. 9999
    const std::int64_t half = Fixed::kScale / 2;
    if (frac > half) return fl + 1;
    if (frac < half) return fl;
    return (fl % 2 == 0) ? fl : fl + 1;
}

std::int64_t barsForRatio(Fixed x) {
    std::int64_t bars = roundWholeHalfEven(x);
    if (floorWhole(x) > 0) ++bars;
    return bars;
}

namespace {

using chk::div;
using chk::mul;

Fixed hold(double x) { return Fixed::fromDouble(x); }

// Least main steel. A column carries at least 1 % of its gross area in bars. A column
// larger than its load needs may take 1 % of the gross area the load needs instead,
// but never less than 1 % of half its gross area (the reduced effective area of the
// working-stress and strength codes alike). The area the load needs is the section
// that carries the design load N with 1 % steel, N = 0.85 Ag' (0.25 fc' + 0.01 fs).
// Where Ag' is at least Ag the required steel is itself at least 1 % of Ag, so the
// minimum bites only on a column larger than its load needs; there the required As is
// small or negative (the concrete alone carries the load) and the minimum is what the
// bars are chosen for.
void leastSteel(ColumnDesignResult& r) {
    const double perArea = mul(0.85, chk::add(mul(0.25, r.fcPrime), mul(0.01, r.fs)));
    r.AgNeeded = hold(div(r.N.toDouble(), perArea));
    const Fixed half = r.Ag.half();
    Fixed basis = r.AgNeeded;
    r.minimumBasis = SteelMinimum::NeededArea;
    if (basis >= r.Ag) {
        basis = r.Ag;
        r.minimumBasis = SteelMinimum::GrossArea;
    } else if (basis <= half) {
        basis = half;
        r.minimumBasis = SteelMinimum::HalfArea;
    }
    r.AsMin = hold(mul(0.01, basis.toDouble()));
    r.minimumGoverns = r.As < r.AsMin;
    r.AsUsed = r.minimumGoverns ? r.AsMin : r.As;
    r.pgUsed = hold(mul(div(r.AsUsed.toDouble(), r.Ag.toDouble()), 100));
}

// The steps of the design in order. Returns normally both when the design runs to its
// end and when a check ends it early; an impossible operation throws ArithmeticError.
void design(const ColumnDesignInput& in, ColumnOutcome& out) {
    ColumnDesignResult& r = out.result;
    Diagnostics& d = out.diagnostics;
    auto fail = [&] { r.status = DesignStatus::NotUsable; };

    r.shape = in.shape;
    r.D = in.D;

    // Own-weight multiplier: none or a negative one would leave the column weightless.
    r.k = in.k;
    if (r.k <= 0) {
        r.k = 0.1;
        d.correct("Text23", "0.1");
    }
    r.P = in.P;

    // A round column is sized by its diameter alone; without one, the width fields
    // hold only the hidden square behind the diameter box, which is not this column.
    if (r.shape != kShapeNone && r.shape != kShapeSquare && !(r.D > 0)) {
        d.say(msg::kNoDiameter);
        fail();
        return;
    }

    r.t1 = in.t1;
    if (r.t1 < 10) {
        d.say(msg::kWidthTooSmall);
        fail();
        return;
    }
    r.t2 = in.t2;
    if (r.t2 < 10) {
        d.say(msg::kDepthTooSmall);
        fail();
        return;
    }

    r.fcPrime = in.fcPrime;
    if (r.fcPrime < 100) {
        d.say(msg::kConcreteTooWeak);
        r.fcPrime = 150;
        d.correct("Text9", "150");
    }
    if (r.fcPrime > 1000) {
        d.say(msg::kHighStrength);
        r.fcPrime = 150;
        d.correct("Text9", "150");
    }

    r.fs = in.fs;
    if (r.fs < 800) {
        d.say(msg::kSteelStressLow);
        r.fs = 1200;
        d.correct("Text10", "1200");
    }

    r.db = in.db;
    if (r.db < 12) {
        d.say(msg::kMainBarTooSmall);
        r.db = 12;
        d.correct("Text6", "12");
    }

    r.dt = in.dt;
    if (r.dt < 6) {
        d.say(msg::kTieTooSmall);
        r.dt = 6;
        d.correct("Text7", "6");
    }

    // A missing height is designed as 1 m for this calculation; the field keeps its text.
    r.H = in.H;
    if (r.H <= 0) {
        d.say(msg::kNoHeight);
        r.H = 1;
    }

    r.t = (r.t1 <= r.t2) ? r.t1 : r.t2;

    // Slenderness: by the least dimension, and by the radius of gyration (0.3 t) over
    // the effective length (half the height).
    r.ht = hold(div(mul(100, r.H), r.t));
    r.hr = hold(div(mul(mul(100, r.H), 0.5), mul(0.3, r.t)));
    const bool tooSlender = r.hr > Fixed::fromInt(100);
    if (tooSlender) {
        d.say(msg::kTooSlenderBefore);
        fail();
    }

    r.R = hold(1.07 - mul(0.008, r.hr.toDouble()));
    if (r.R > Fixed::fromInt(1)) r.R = Fixed::fromInt(1);
    // The caption is settled by the slenderness alone, before the multiplier, so a long
    // column whose multiplier cannot be worked out is never captioned as a short one.
    r.isLong = r.ht > Fixed::fromInt(10);
    r.columnKind = r.isLong ? kLongColumnText : kShortColumnText;
    out.kindReached = true;
    // A long column can really take only R P, so its load is raised by P / (R P).
    r.m = r.isLong ? hold(div(r.P, mul(r.R.toDouble(), r.P))) : Fixed::fromInt(1);

    r.W = hold(mul(mul(r.k, 2400), mul(r.H, mul(div(r.t1, 100), div(r.t2, 100)))));
    r.Pt = chk::add(r.W.toDouble(), r.P);
    r.N = hold(mul(r.m.toDouble(), r.Pt));
    r.Ag = hold(mul(r.t1, r.t2));
    r.Pc = hold(mul(mul(r.fcPrime, 0.25), mul(r.Ag.toDouble(), 0.85)));
    r.Ps = r.N - r.Pc;
    r.As = hold(div(r.Ps.toDouble(), mul(r.fs, 0.85)));
    r.pg = hold(mul(div(r.As.toDouble(), r.Ag.toDouble()), 100));
    leastSteel(r);

    // One bar: pi (22/7) times the radius squared, db in mm giving the radius in cm as db/20.
    const double radius = div(r.db, 20);
    r.Ab = hold(div(mul(22, mul(radius, radius)), 7));

    // Bars: the nearest whole number, plus one whenever at least one whole bar is needed,
    // so the steel provided never falls short of the steel required.
    r.x = hold(div(r.AsUsed.toDouble(), r.Ab.toDouble()));
    std::int64_t bars = barsForRatio(r.x);
    if (bars < 4) d.say(msg::kFewerThanFourBars);
    if (bars <= 4) bars = 4;
    r.nb = Fixed::fromInt(bars);

    if (r.shape == kShapeNone) {
        d.say(msg::kNoShape);
        fail();
        return;
    }
    if (r.shape != kShapeSquare) {
        if (bars < 6) {
            d.say(msg::kFewerThanSixBars);
            bars = 6;
            r.nb = Fixed::fromInt(bars);
        }
    }

    // Tie spacing: the least of 16 main-bar diameters, 48 tie diameters and the least
    // dimension of the section.
    r.s16 = div(mul(r.db, 16), 10);
    r.s48 = div(mul(r.dt, 48), 10);
    const double byBars = (r.s16 <= r.s48) ? r.s16 : r.s48;
    r.s = (byBars <= r.t) ? byBars : r.t;
    out.resultsReached = true;
    // The result panel is filled here, before the checks of the finished design, so
    // their messages come up over the numbers they speak of.
    d.markResults();

    if (tooSlender) {
        d.say(msg::kTooSlenderAfter);
        fail();
    }
    if (r.pg > Fixed::fromInt(8)) {
        d.say(msg::kSteelRatioHigh);
        fail();
    }
    if (r.pg < Fixed::fromInt(1)) d.say(msg::kSteelRatioLow);
}

}  // namespace

ColumnOutcome calculateColumn(const ColumnDesignInput& in) {
    ColumnOutcome out;
    try {
        design(in, out);
    } catch (const ArithmeticError&) {
        out.result.status = DesignStatus::NotUsable;
    }
    out.status = out.result.status;
    if (out.status == DesignStatus::NotUsable) {
        out.diagnostics.say(msg::kClosing);
        out.verdict = kVerdictNotUsable;
    } else {
        out.verdict = kVerdictUsable;
    }
    return out;
}

}  // namespace mx::column
