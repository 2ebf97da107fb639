#include "slab/slab_design.h"

#include "common/checked.h"
#include "common/workingstress.h"

namespace mx::slab {

namespace {

struct MessageText {
    SlabMessage id;
    const char* title;
    const char* text;
};

// Every message of Calculate is a stop-icon box.
constexpr MessageText kMessages[] = {
    {SlabMessage::NoKind, "กำหนดลักษณะของพื้น", "1.คุณยังไม่ได้กำหนดลักษณะของพื้น?"},
    {SlabMessage::MeshTooLarge, "กำหนดเหล็กตะแกรงใหญ่เกินไป", "2.เหล็กตะแกรงที่คุณกำหนดใหญ่เกินไป?"},
    {SlabMessage::MeshTooSmall, "เหล็กตะแกรงเล็กเกินไป", "3.เหล็กตะแกรงเล็กเกินกว่า 6 มม.?"},
    {SlabMessage::FcPrimeTooLow, "หน่วยแรงอัดคอนกรีตน้อยเกิน",
     "3.ค่าหน่วยแรงอัดคอนกรีตที่คุณกำหนดน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ"},
    {SlabMessage::FcPrimeTooHigh, "ค่าหน่วยแรงอัด fc' มากเกินไป",
     "คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc."},
    {SlabMessage::TooThick, "ความหนาของพื้นมากเกินไป",
     "4.ความหนาของพื้นมากเกินไป? ควรแก้ไขโดยเปลี่ยนลักษณะโครงสร้างให้มีคานซอยถี่ขึ้น!!!"},
    {SlabMessage::TooThin, "พื้นบางเกินไป", "5.พื้นของคุณบางเกินกว่า 8 ซม.? ทำให้เสริมเหล็กไม่ได้!!!"},
    {SlabMessage::Bar1TooLarge, "เหล็กตะแกรงใหญ่เกินไป", "6.เหล็กตะแกรงล่างขนาดใหญ่เกินกว่า 15 มม.?"},
    {SlabMessage::Bar1TooSmall, "เหล็กตะแกรงเล็กเกินไป", "7.เหล็กตะแกรงล่างเล็กเกินกว่า 6 มม.?"},
    {SlabMessage::Bar2TooLarge, "เหล็กตะแกรงใหญ่เกินไป", "8.เหล็กตะแกรงทางยาวใหญ่เกินกว่า 15 มม.?"},
    {SlabMessage::Bar2TooSmall, "เหล็กตะแกรงเล็กเกินไป", "9.เหล็กตะแกรงทางยาวเล็กกว่า 6 มม.?"},
    {SlabMessage::Bar3TooLarge, "เหล็กตะแกรงใหญ่เกินไป", "10.เหล็กเสริมบนใหญ่เกินกว่า 15 มม.?"},
    {SlabMessage::Bar3TooSmall, "เหล็กตะแกรงเล็กเกินไป", "11.เหล็กเสริมบนเล็กเกินกว่า 6 มม.?"},
    {SlabMessage::Bar4TooLarge, "เหล็กตะแกรงใหญ่เกินไป", "12.เหล็กเสริมบนใหญ่เกินกว่า 15 มม.?"},
    {SlabMessage::Bar4TooSmall, "เหล็กตะแกรงเล็กเกินไป", "13.เหล็กเสริมบนเล็กเกินกว่า 6 มม.?"},
    {SlabMessage::DepthTooSmall, "พื้นหนาน้อยเกินไป",
     "14.พื้นที่คุณออกแบบความหนาน้อยเกินไป? ต้องแก้ไขโดยเพิ่มความหนาของพื้น?ต้องแก้ไขขนาดเหล็กใหม่!!!"},
    {SlabMessage::ShortBottomSpacing, "ระยะห่างของเหล็กมากเกินไป",
     "15.ระยะห่างเหล็กเสริม(ล่าง)ทางสั้นห่างเกิน 3 เท่าของความหนาพื้น?ต้องแก้ไขขนาดเหล็กใหม่!!!"},
    {SlabMessage::LongBottomSpacing, "ระยะห่างของเหล็กมากเกินไป",
     "16.ระยะห่างเหล็กเสริม(ล่าง)ทางยาวห่างเกิน 3 เท่าของความหนาพื้น?ต้องแก้ไขขนาดเหล็กใหม่!!!"},
    {SlabMessage::TopBar4Spacing, "ระยะห่างของเหล็กมากเกินไป",
     "17.ระยะห่างเหล็กเสริม(บน)คอม้าห่างเกิน 3 เท่าของความหนาพื้น?ต้องแก้ไขขนาดเหล็กใหม่!!!"},
    {SlabMessage::TopBar3Spacing, "ระยะห่างของเหล็กมากเกินไป",
     "18.ระยะห่างเหล็กเสริม(บน)คอม้า+เสริมพิเศษ ห่างเกิน 3 เท่าของความหนาพื้น?ต้องแก้ไขขนาดเหล็กใหม่!!!"},
    {SlabMessage::BelowCodeThickness, "ความหนาของพื้นน้อยกว่ามาตรฐาน วสท.",
     "19.พื้นที่คุณออกแบบมีความหนาน้อยกว่ามาตรฐานที่กำหนด?โดย วสท.? ให้แก้ไขโดยการเพิ่มความหนาของพื้น!!!"},
    {SlabMessage::Closing, "ต้องแก้ไขข้อมูลใหม่", "พื้น คสล.ที่คุณออกแบบยังใช้ไม่ได้? ต้องแก้ไขข้อมูลใหม่"},
};

// Limits of the bar sizes the design accepts, mm.
constexpr double kLargestBar = 15;
constexpr double kSmallestBar = 6;
constexpr const char* kLargestBarText = "15";
constexpr const char* kSmallestBarText = "6";
// Concrete strengths the design accepts, ksc; outside them fc' is reset to 150.
constexpr double kLowestFcPrime = 100;
constexpr double kHighestFcPrime = 1000;
constexpr const char* kResetFcPrimeText = "150";
constexpr double kResetFcPrime = 150;
// Thickness limits, cm.
constexpr double kThickestSlab = 30;
constexpr double kThinnestSlab = 8;

constexpr SlabMessage kBarTooLarge[4] = {SlabMessage::Bar1TooLarge, SlabMessage::Bar2TooLarge,
                                         SlabMessage::Bar3TooLarge, SlabMessage::Bar4TooLarge};
constexpr SlabMessage kBarTooSmall[4] = {SlabMessage::Bar1TooSmall, SlabMessage::Bar2TooSmall,
                                         SlabMessage::Bar3TooSmall, SlabMessage::Bar4TooSmall};

// pi is taken as 22/7 in every area.
double barArea(double sizeMm) {
    const double r = chk::div(sizeMm, 20.0);  // radius in cm
    return chk::mul(22.0 / 7.0, chk::mul(r, r));
}

Fixed held(double x) { return Fixed::fromDouble(x); }

// Square root of a moment in kg-m over R times a 100 cm strip: the depth in cm that
// the moment needs.
Fixed requiredDepth(Fixed moment, Fixed R) {
    return held(chk::sqrt(chk::div(chk::mul(moment.toDouble(), 100.0), chk::mul(R.toDouble(), 100.0))));
}

class Designer {
public:
    Designer(const SlabDesignInput& in, SlabDesignOutcome& out) : in_(in), out_(out), r_(out.result) {}

    // Runs the design; false when it stops.
    bool run() {
        r_.slabKind = in_.slabKind;
        if (in_.slabKind <= 0) return stop(SlabMessage::NoKind);

        r_.minSteelRatio = in_.minSteelRatio > 0 ? in_.minSteelRatio : kRoundBarSteelRatio;

        readSides();
        readMeshSize();
        if (!readFcPrime()) return false;
        r_.fc = in_.fc;
        r_.fs = in_.fs;
        if (!readThickness()) return false;
        readBarSizes();
        r_.fD = in_.deadLoadFactor;
        r_.fL = in_.liveLoadFactor;

        minimumThickness();
        design();
        out_.resultsShown = true;
        out_.diagnostics.markResults();
        return checks();
    }

private:
    bool stop(SlabMessage m) {
        say(m);
        return false;
    }
    void say(SlabMessage m) { out_.diagnostics.say(slabMessage(m)); }

    void readSides() {
        r_.A = in_.sideA;
        r_.B = in_.sideB;
        // A side of no length or a negative one describes no panel at all; it would
        // otherwise give a negative minimum thickness and pass every check.
        if (!(r_.A > 0) || !(r_.B > 0)) throw ArithmeticError("slab side not positive");
        if (r_.A <= r_.B) {
            r_.S = r_.A;
            r_.ratio = held(chk::div(r_.B, r_.A));
        } else {
            r_.S = r_.B;
            r_.ratio = held(chk::div(r_.A, r_.B));
        }
        r_.continuityCase = chk::toInt16(in_.continuityCase);
        r_.LL = in_.liveLoad;
    }

    void readMeshSize() {
        double m = in_.meshSize;
        const char* reset = nullptr;
        SlabMessage message = SlabMessage::MeshTooLarge;
        if (m > kLargestBar) {
            m = kLargestBar;
            reset = kLargestBarText;
        } else if (m < kSmallestBar) {
            m = kSmallestBar;
            reset = kSmallestBarText;
            message = SlabMessage::MeshTooSmall;
        }
        r_.meshSize = m;
        r_.barSize = in_.barSize;
        if (reset) {
            // The field is set first, then the message is shown. Setting the mesh
            // size copies it into the four bar-size fields, so the bars read later
            // are the mesh size just set.
            out_.diagnostics.correct(kMeshSizeField, reset);
            for (std::size_t i = 0; i < 4; ++i) {
                out_.diagnostics.correct(kBarSizeFields[i], reset);
                r_.barSize[i] = m;
            }
            say(message);
        }
    }

    bool readFcPrime() {
        r_.fcPrime = in_.fcPrime;
        if (r_.fcPrime < kLowestFcPrime) {
            say(SlabMessage::FcPrimeTooLow);
            out_.diagnostics.correct(kFcPrimeField, kResetFcPrimeText);
            r_.fcPrime = kResetFcPrime;
        } else if (r_.fcPrime > kHighestFcPrime) {
            say(SlabMessage::FcPrimeTooHigh);
            out_.diagnostics.correct(kFcPrimeField, kResetFcPrimeText);
            r_.fcPrime = kResetFcPrime;
            return false;
        }
        return true;
    }

    bool readThickness() {
        // The field is set back before the message, so the thickness field's own
        // warning on the value written back comes first.
        r_.t = in_.thickness;
        if (r_.t > kThickestSlab) {
            out_.diagnostics.correct(kThicknessField, "30");
            r_.t = kThickestSlab;
            return stop(SlabMessage::TooThick);
        }
        if (r_.t < kThinnestSlab) {
            out_.diagnostics.correct(kThicknessField, "8");
            r_.t = kThinnestSlab;
            return stop(SlabMessage::TooThin);
        }
        return true;
    }

    void readBarSizes() {
        for (std::size_t i = 0; i < 4; ++i) {
            double& size = r_.barSize[i];
            // Each field is set back before its message.
            if (size > kLargestBar) {
                out_.diagnostics.correct(kBarSizeFields[i], kLargestBarText);
                size = kLargestBar;
                say(kBarTooLarge[i]);
            } else if (size < kSmallestBar) {
                out_.diagnostics.correct(kBarSizeFields[i], kSmallestBarText);
                size = kSmallestBar;
                say(kBarTooSmall[i]);
            }
        }
    }

    // The code's least thickness: span over 25, 30 or 35 by continuity, the sum of
    // the sides over 180 for a one-way panel, and span over 12 for a cantilever.
    void minimumThickness() {
        const double span = chk::mul(100.0, r_.S);
        double h = 0;
        if (r_.continuityCase <= kSingleSpan) {
            r_.continuityCase = kSingleSpan;
            h = chk::div(span, 25.0);
        } else if (r_.continuityCase == kEndSpan) {
            h = chk::div(span, 30.0);
        } else {
            h = chk::div(span, 35.0);
        }
        if (r_.ratio >= Fixed::fromInt(2)) h = chk::div(chk::mul(100.0, chk::add(r_.A, r_.B)), 180.0);
        if (r_.slabKind == kCantilever) h = chk::div(span, 12.0);
        r_.hMin = held(h);
    }

    void design() {
        // Share of the load on the short strip: half for a square panel, all of it
        // for a panel twice as long as wide. The reset is at a share of 2.
        r_.H = r_.ratio.toDouble() / 2.0;
        if (r_.H >= 2.0) r_.H = 1.0;

        // Without a positive allowable stress the working-stress constants mean
        // nothing (a negative k gives negative steel and a false pass).
        if (!(r_.fc > 0) || !(r_.fs > 0)) throw ArithmeticError("allowable stress not positive");
        const WorkingStress c = workingStress(r_.fcPrime, r_.fc, r_.fs);
        r_.n = c.n;
        r_.k = c.k;
        r_.j = c.j;
        r_.R = c.R;

        // A negative load or factor would turn the design moments round.
        if (r_.LL < 0 || r_.fD < 0 || r_.fL < 0) throw ArithmeticError("negative load");
        r_.ws = chk::div(chk::mul(2400.0, r_.t), 100.0);
        r_.w = chk::add(chk::mul(r_.fD, r_.ws), chk::mul(r_.fL, r_.LL));

        const double S2 = chk::mul(r_.S, r_.S);
        const double wHS2 = chk::mul(chk::mul(r_.w, r_.H), S2);
        r_.Mpos = held(chk::div(wHS2, 8.0));
        r_.Mneg1 = held(chk::div(wHS2, 16.0));
        r_.Mneg2 = held(chk::div(wHS2, 10.0));
        r_.M14 = held(chk::div(wHS2, 14.0));
        r_.Mcant = held(chk::div(chk::mul(S2, r_.w), 2.0));

        // 2 cm cover and half the mesh bar.
        const double toSteel = chk::add(2.0, chk::div(r_.meshSize, 20.0));
        r_.d = chk::add(r_.t, -toSteel);

        r_.dReq = requiredDepth(r_.Mpos, r_.R);
        if (r_.continuityCase > kSingleSpan) {
            // A continuous edge: the support moment governs the depth, and the span
            // moment is the smaller +M2.
            r_.dReq = requiredDepth(r_.Mneg2, r_.R);
            r_.Mpos = r_.M14;
        }
        if (r_.slabKind == kCantilever) {
            // The cantilever moment is carried by the top bars.
            r_.dReq = requiredDepth(r_.Mcant, r_.R);
            r_.Mneg1 = r_.Mcant;
        }
        // Depth plus the 2 cm cover, then half the mesh bar, summed in that order: the
        // order decides how a sum that falls on a half of the last decimal is held.
        r_.tReq = held(chk::add(chk::add(r_.dReq.toDouble(), 2.0), chk::div(r_.meshSize, 20.0)));

        r_.a0 = held(barArea(r_.meshSize));
        r_.a1 = barArea(r_.barSize[0]);
        r_.a2 = barArea(r_.barSize[1]);
        r_.a3 = barArea(r_.barSize[2]);
        r_.a4 = barArea(r_.barSize[3]);

        const double fsjd = chk::mul(chk::mul(r_.fs, r_.j.toDouble()), r_.d);
        r_.AsPos = held(chk::div(chk::mul(r_.Mpos.toDouble(), 100.0), fsjd));
        r_.AsNeg1 = held(chk::div(chk::mul(r_.Mneg1.toDouble(), 100.0), fsjd));
        r_.AsNeg2 = held(chk::div(chk::mul(r_.Mneg2.toDouble(), 100.0), fsjd));

        r_.N1 = chk::toInt16(chk::div(r_.AsPos.toDouble(), r_.a1));
        r_.s1 = chk::toInt16(chk::div(100.0, r_.N1));

        r_.AsMin = held(chk::mul(chk::mul(100.0, r_.minSteelRatio), r_.d));
        r_.N2 = held(chk::div(r_.AsMin.toDouble(), r_.a2));
        r_.s2 = chk::toInt16(chk::div(100.0, r_.N2.toDouble()));

        r_.N3 = chk::div(r_.AsNeg1.toDouble(), r_.a3);
        r_.s3 = chk::toInt16(chk::div(100.0, r_.N3));
        r_.N4 = chk::div(r_.AsNeg2.toDouble(), r_.a4);
        r_.s4 = chk::toInt16(chk::div(100.0, r_.N4));

        r_.cutOff = held(chk::div(r_.S, 5.0));
    }

    // The first failing check stops the design. The spacings are held to three
    // times the effective depth.
    bool checks() {
        const double maxSpacing = chk::mul(3.0, r_.d);
        if (r_.d < r_.dReq.toDouble()) return stop(SlabMessage::DepthTooSmall);
        if (r_.s1 > maxSpacing) return stop(SlabMessage::ShortBottomSpacing);
        if (r_.s2 > maxSpacing) return stop(SlabMessage::LongBottomSpacing);
        if (r_.s4 > maxSpacing) return stop(SlabMessage::TopBar4Spacing);
        if (r_.s3 > maxSpacing) return stop(SlabMessage::TopBar3Spacing);
        if (r_.t < r_.hMin.toDouble()) return stop(SlabMessage::BelowCodeThickness);
        return true;
    }

    const SlabDesignInput& in_;
    SlabDesignOutcome& out_;
    SlabDesignResult& r_;
};

}  // namespace

Message slabMessage(SlabMessage m) {
    for (const auto& e : kMessages)
        if (e.id == m) return Message{e.text, e.title, Icon::Critical};
    return Message{"", kProgramTitle, Icon::Critical};
}

SlabDesignOutcome calculateSlab(const SlabDesignInput& input) {
    SlabDesignOutcome out;
    bool usable = false;
    try {
        usable = Designer(input, out).run();
    } catch (const ArithmeticError&) {
        // An impossible operation ends the design as not usable with only the
        // closing message; the values computed so far stay in the result.
        usable = false;
    }
    out.status = usable ? DesignStatus::Usable : DesignStatus::NotUsable;
    out.result.status = static_cast<int>(out.status);
    if (usable) {
        out.verdict = kSlabUsableVerdict;
    } else {
        out.diagnostics.say(slabMessage(SlabMessage::Closing));
        out.verdict = kSlabNotUsableVerdict;
    }
    return out;
}

}  // namespace mx::slab
