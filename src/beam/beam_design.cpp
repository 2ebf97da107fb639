#include "beam/beam_design.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/checked.h"
#include "common/workingstress.h"

namespace mx::beam {

namespace {

struct MessageText {
    const char* key;
    const char* title;
    const char* text;
    Icon icon;
};

constexpr std::array<MessageText, 28> kMessages{{
    {"1", "เตือนให้เลือกลักษณะคาน", "1.คุณยังไม่ได้เลือกกำหนดลักษณะของคาน?", Icon::Critical},
    {"2", "เตือนให้กำหนดความยาวของคาน", "2.คุณยังไม่ได้กำหนดความยาวของคาน?", Icon::Critical},
    {"3a", "เตือนให้กำหนดค่า นน.จร", "3.คุณยังไม่ได้ใส่ค่า นน.จรที่คานบรรทุก?", Icon::Critical},
    {"4a", "นน.บรรทุกจรมากผิดปรกติ", "4.ข้อมูลผิดพลาด!?!โปรดตรวจสอบใหม่ให้แน่ชัด!!!", Icon::Critical},
    {"4b", "เตือนให้กำหนดความกว้างของคาน", "4.คุณยังไม่ได้กำหนดความกว้างของคาน?", Icon::Critical},
    {"5", "เตือนให้กำหนดขนาดความลึกของคาน", "5.คุณยังไม่ได้กำหนดค่าความลึกของคาน?", Icon::Critical},
    {"6", "เตือนให้กำหนดขนาดของเหล็กเสริมรับแรงอัด",
     "6.คุณยังไม่ได้กำหนดขนาดเหล็กนอนรับแรงอัด!?! หรือกำหนดขนาดไม่เหมาะสม!?!", Icon::Critical},
    {"7", "เตือนให้กำหนดขนาดเหล็กเสริมรับแรงดึง",
     "7.คุณยังไม่ได้กำหนดขนาดเหล็กนอนรับแรงดึง!?! หรือกำหนดขนาดไม่เหมาะสม!?!", Icon::Critical},
    {"8", "เตือนให้กำหนดขนาดเหล็กปลอก", "8.คุณยังไม่ได้กำหนดขนาดของเหล็กปลอก!?! หรือกำหนดขนาดไม่เหมาะสม!?!",
     Icon::Critical},
    {"3b", "หน่วยแรงอัดคอนกรีตน้อยเกิน", "3.ค่าหน่วยแรงอัดคอนกรีตที่คุณกำหนดน้อยเกินไป? ตกลงแก้ไขอัตโนมัติ",
     Icon::Critical},
    {"9a", "ค่าหน่วยแรงอัด fc' มากเกินไป",
     "คุณทราบหรือไม่ว่าประเทศของเรายังไม่สามารถผลิต HIGH STRENGTH CONCRETE ได้สูงกว่า 1000 ksc.", Icon::Critical},
    {"10", "เตือนให้เปลี่ยนค่าหน่วยแรงอัดของคอนกรีต", "10.คุณยังไม่ได้กำหนดค่า fc? หรือกำหนดค่าไม่เหมาะสม?",
     Icon::Critical},
    {"11", "เตือนให้เปลี่ยนค่าหน่วยแรงดึงของเหล็กเสริม", "11.คุณยังไม่ได้กำหนดค่า fs? หรือกำหนดค่าไม่เหมาะสม?",
     Icon::Critical},
    {"12", "ค่าหน่วยแรงดึงของเหล็กมากเกินกว่ากำหนด",
     "12.ค่าหน่วยแรวดึงของเหล็ก พ.ร.บ.ห้ามใช้เกินกว่า 1700 กก./ตร.ซม.?ต้องแก้ไข!!!", Icon::Critical},
    {"13", "เตือนให้ใส่ค่าลักษณะปลอก", "13.คุณยังไม่ได้กำหนดลักษณะปลอกว่าเป็น 1 ป.(ปลอกเดี่ยว)/ 2 ป.(ปลอกคู่)?",
     Icon::Critical},
    {"14", "คานแคบเกินไป", "14.คานที่คุณออกแบบเข้าลักษณะคานแคบ?ต้องใช้สูตรการคำนวณลดค่าเนื่องจากเป็นคานแคบ!!!",
     Icon::Information},
    {"15", "คานแคบเข้าขั้นวิกฤติ", "15.คานของคุณแคบเกินกว่าที่มาตรฐาน วสท.กำหนด?ต้องแก้ไขความกว้างของคานใหม่!!!",
     Icon::Critical},
    {"16", "ความลึกของคานน้อยเกินไป", "16.คานของคุณความลึกน้อยเกินไป? ต้องแก้ไข !!!", Icon::Critical},
    {"17", "ความลึกคานน้อยเกินไป", "17.คานของคุณความลึกน้อยกว่าความกว้าง? ต้องแก้ไข!!!", Icon::Critical},
    {"18", "พท.หน้าตัดเหล็กรับแรงอัดมากกว่าเหล็กรับแรงดึง",
     "18.คานที่คุณออกแบบความลึกไม่เหมาะสม ควรแก้ไข?โดยเปลี่ยนความลึกของคาน!!!", Icon::Critical},
    {"21", "คานแคบเกินไป", "21.คานของคุณแคบเกินไป? ต้องแก้ไข!!!", Icon::Critical},
    {"22", "พท.หน้าตัดเหล็กรับแรงอัดมากกว่าเหล็กรับแรงดึง",
     "22.คานที่คุณออกแบบความลึกไม่เหมาะสม ควรแก้ไข?โดยเปลี่ยนความลึกของคาน!!!", Icon::Critical},
    {"23", "คานลึกมากเกินไป", "23.คานที่คุณออกแบบความลึกมากเกินไป!!!ทำให้สิ้นเปล์อง ควรแก้ไขลดขนาดลง?", Icon::Critical},
    {"24", "ความลึกของคานน้อยเกินไป", "24.คานที่คุณออกแบบมีความลึกน้อยเกินไป? ทำให้สิ้นเปลืองเหล็ก ต้องแก้ไข!!!",
     Icon::Critical},
    {"25", "เหล็กรับแรงดึงมากกว่า 2 แถว",
     "25.ท่านต้องเปลี่ยนขนาดเหล็กรับแรงดึงให้ใหญ่ขึ้น?หรือเปลี่ยนขนาดความกว้างของคานให้กว้างขึ้น?"
     "เพราะจำนวนเรียงเหล็กนอนรับแรงดึงมากกว่า 2 แถว!!!",
     Icon::Critical},
    {"26", "เหล็กรับแรงอัดมากกว่า 2 แถว",
     "26.ท่านต้องเปลี่ยนขนาดเหล็กรับแรงอัดให้ใหญ่ขึ้น?หรือเปลี่ยนขนาดความกว้างของคานให้กว้างขึ้น?"
     "เพราะจำนวนเรียงเหล็กนอนรับแรงอัดมากกว่า 2 แถว!!!",
     Icon::Critical},
    {"27", "ระยะปลอกยังไม่เหมาะสม",
     "27.ระยะห่างของเหล็กปลอกน้อยกว่า 5 ซม.ทำให้เทคอนกรีตลำบาก ตรวจดูความลึกของคาน เพิ่มขนาดเหล็กปลอก "
     "หรือซ้อนเหล็กปลอก 2 ป.(ปลอกคู่) 3 ป.(ปลอกซ้อน 3 ) เป็นต้น!?!",
     Icon::Critical},
    {"28", "แรงกระทำเป็นจุดคิดเป็น นน.แผ่ไม่ได้",
     "28.ปลายยื่นยาวเท่ากับช่วงคาน แรงกระทำเป็นจุดที่ลิงก์มาจึงคิดเป็น นน.แผ่สม่ำเสมอเทียบเท่าไม่ได้ "
     "โปรดคำนวณโมเมนต์ของแรงกระทำเป็นจุดเอง",
     Icon::Critical},
}};

// Cover to the bar centre and the allowed depth margin, by total depth D (cm).
struct DepthBand {
    int maxDepth;
    int cover;
    int tolerance;
};
constexpr std::array<DepthBand, 7> kDepthBands{{
    {35, 3, 15}, {60, 5, 20}, {90, 7, 30}, {120, 7, 50}, {150, 7, 70}, {180, 7, 80}, {32767, 7, 90}}};

// The end of the run for a failed check: the rest of the steps are skipped.
struct Stop {};

class Run {
public:
    explicit Run(BeamDesignOutcome& o) : out(o), res(o.result), diag(o.diagnostics) {}

    void say(const char* key) { diag.say(beamMessage(key)); }
    void correct(const char* field, const char* text) { diag.correct(field, text); }
    [[noreturn]] void stop(const char* key) {
        say(key);
        throw Stop{};
    }

    BeamDesignOutcome& out;
    BeamDesignResult& res;
    Diagnostics& diag;
};

// Bars needed for an area: the ratio raised to the next whole bar, at least two.
int barCount(Fixed ratio) {
    const double r = ratio.toDouble();
    int count = chk::toInt16(r);
    if (count < r) count = chk::add16(count, 1);
    return std::max(count, 2);
}

// Bars of one layer, the gap between them and the number of layers.
struct BarLayout {
    Fixed gap;
    int perLayer = 0;
    Fixed layers;
};
BarLayout layoutBars(int width, int count, int dia) {
    BarLayout l;
    // Clear gap across the width less 2 x 2.5 cm of cover to the bar faces.
    l.gap = Fixed::fromDouble(chk::div(width - 5 - chk::mul16(count, dia) / 10.0, count - 1));
    const double x = chk::div(width - 5 - 2.5, dia / 10.0 + 2.5);
    if (x < 0) {
        // A width under 7.5 cm leaves no room for one bar beside the cover.
        l.perLayer = 0;
    } else {
        const double whole = std::trunc(x);
        l.perLayer = chk::toInt16(x);
        if (whole > 0) l.perLayer = chk::add16(l.perLayer, 1);
    }
    l.layers = Fixed::fromDouble(chk::div(count, l.perLayer));
    if (l.layers <= Fixed::fromInt(1))
        l.layers = Fixed::fromInt(1);
    else if (l.layers <= Fixed::fromInt(2))
        l.layers = Fixed::fromInt(2);
    return l;
}

// Area of one round bar, diameter in mm, cm2 (pi as 22/7).
Fixed barArea(int dia) {
    const double r = dia / 20.0;
    return Fixed::fromDouble(chk::div(chk::mul(r * r, 22.0), 7.0));
}

// Point loads linked from other members join w by the load aid's rule, before w is
// checked: a girder may carry nothing but the beams on it. Without a factor k (an
// overhang as long as the span) the design cannot take them and stops.
void addPointLoads(Run& run, const BeamDesignInput& in) {
    BeamDesignResult& R = run.res;
    const double P = chk::finite(in.pointLoads);
    if (!(P > 0)) return;
    const auto k = pointLoadFactor(R.beamType, R.spanLength, designOverhang(chk::finite(in.overhangLength)));
    if (!k) run.stop("28");
    R.pointLoads = P;
    R.pointFactor = *k;
    R.pointEquivalent = Fixed::fromDouble(chk::div(chk::mul(*k, R.pointLoads), R.spanLength));
    R.liveLoad = chk::add(R.fieldLoad, R.pointEquivalent.toDouble());
}

void design(Run& run, const BeamDesignInput& in) {
    BeamDesignResult& R = run.res;

    // Step 1: the inputs.
    R.beamType = in.beamType;
    if (in.beamType < 1 || in.beamType > 5) run.stop("1");
    R.spanLength = chk::finite(in.spanLength);
    if (R.spanLength <= 0) {
        run.correct("Text1", "0");
        run.stop("2");
    }
    R.fieldLoad = R.liveLoad = chk::finite(in.liveLoad);
    addPointLoads(run, in);
    if (R.liveLoad <= 0) run.stop("3a");
    if (R.liveLoad > 17000) run.stop("4a");
    R.width = chk::toInt16(in.width);
    if (R.width < 1) run.stop("4b");
    R.depth = chk::toInt16(in.depth);
    if (R.depth < 1) run.stop("5");
    R.overhangLength = chk::finite(in.overhangLength);
    if (R.overhangLength <= 0) R.overhangLength = 1;
    R.topBarDia = chk::toInt16(in.topBarDia);
    if (R.topBarDia < 9) {
        run.correct("Text6", "15");
        run.stop("6");
    }
    R.bottomBarDia = chk::toInt16(in.bottomBarDia);
    if (R.bottomBarDia < 9) {
        run.correct("Text7", "15");
        run.stop("7");
    }
    R.stirrupDia = chk::toInt16(in.stirrupDia);
    if (R.stirrupDia < 6) run.stop("8");
    R.fcPrime = chk::finite(in.fcPrime);
    if (R.fcPrime < 100) {
        run.say("3b");
        R.fcPrime = 150;
        run.correct("Text12", "150");
    }
    if (R.fcPrime > 1000) {
        run.say("9a");
        R.fcPrime = 150;
        run.correct("Text12", "150");
        throw Stop{};
    }
    R.fc = chk::finite(in.fc);
    if (R.fc <= 30) {
        R.fc = 45;
        run.correct("Text13", "45");
        run.say("10");
    }
    R.fs = chk::toInt16(in.fs);
    if (R.fs < 801) {
        R.fs = 1200;
        run.correct("Text14", "1200");
        run.say("11");
    }
    if (R.fs >= 1701) run.stop("12");
    R.stirrupSets = chk::toInt16(in.stirrupSets);
    if (R.stirrupSets < 1) {
        R.stirrupSets = 1;  // the field keeps its text
        run.say("13");
    }
    R.deadLoadFactor = chk::finite(in.deadLoadFactor);
    R.liveLoadFactor = chk::finite(in.liveLoadFactor);

    // Step 2: narrow beam and proportions.
    const double L = R.spanLength;
    const double hundredL = chk::mul(100.0, L);
    R.slenderness = chk::div(hundredL, R.width);
    R.narrowFactor = Fixed::fromDouble(1.75 - chk::div(hundredL, 40.0 * R.width));
    if (R.slenderness <= 30) R.narrowFactor = Fixed::fromInt(1);
    if (R.slenderness > 30) run.say("14");
    if (R.slenderness > 50) run.stop("15");
    if (chk::div(hundredL, R.depth) > 20) {
        R.depth = chk::toInt16(chk::div(hundredL, 20.0));  // for the calculation only
        run.say("16");
    }
    if (chk::toSingle(chk::toSingle(R.depth) / chk::toSingle(R.width)) < 1.0f) {
        R.depth = R.width;
        run.say("17");
    }

    // Step 3: bar areas and loads.
    R.bottomBarArea = barArea(R.bottomBarDia);
    R.topBarArea = barArea(R.topBarDia);
    const int section = chk::mul16(R.width, R.depth);  // b x D, cm2
    R.deadLoad = Fixed::fromDouble(chk::mul(R.deadLoadFactor, 0.24 * section));
    R.designLoad = Fixed::fromDouble(chk::add(chk::mul(R.liveLoad, R.liveLoadFactor), R.deadLoad.toDouble()));

    // Step 4: working-stress constants.
    const WorkingStress ws = workingStress(R.fcPrime, R.fc, R.fs);
    R.n = ws.n;
    R.k = ws.k;
    R.j = ws.j;
    R.r = ws.R;
    const double k = R.k.toDouble(), j = R.j.toDouble(), r = R.r.toDouble();

    // Step 5: moments, kg-m.
    const double wu = R.designLoad.toDouble();
    const double a = R.overhangLength;
    const UniformLoadMoments moments = uniformLoadMoments(R.beamType, wu, L, a);
    R.momentNeg = Fixed::fromDouble(moments.negative);
    R.momentPos = Fixed::fromDouble(moments.positive);
    R.momentMax = std::max(R.momentNeg, R.momentPos);
    const double MR = R.momentMax.toDouble();

    // Step 6: depth.
    R.requiredDepth = chk::toInt16(chk::sqrt(chk::div(100 * MR, chk::mul(r, R.width))));
    for (const DepthBand& band : kDepthBands) {
        if (R.depth <= band.maxDepth) {
            R.cover = band.cover;
            R.depthTolerance = band.tolerance;
            break;
        }
    }
    R.effectiveDepth = chk::add16(R.depth, -R.cover);
    const int d = R.effectiveDepth;

    // Step 7: tension steel. The narrow-beam factor reduces what the concrete carries.
    const double alpha = R.narrowFactor.toDouble();
    R.momentConcrete = Fixed::fromDouble(chk::mul(chk::mul((alpha * 0.5) * R.fc * k * j, R.width), double(d) * d) / 100);
    R.momentSteel = R.momentMax - R.momentConcrete;
    const double fsjd = chk::mul(R.fs * j, d);
    R.steelAreaConcrete = Fixed::fromDouble(chk::div(100 * R.momentConcrete.toDouble(), fsjd));
    R.steelAreaSteel = Fixed::fromDouble(chk::div(100 * R.momentSteel.toDouble(), fsjd));
    R.recommendedDepth = chk::add16(R.requiredDepth, R.cover);
    R.depthMargin = chk::add16(d, -R.recommendedDepth);
    if (R.steelAreaSteel <= Fixed()) R.steelAreaSteel = Fixed();
    R.steelArea = R.steelAreaConcrete + R.steelAreaSteel;

    // Step 8: bottom (tension) bars.
    R.bottomBarRatio = Fixed::fromDouble(chk::div(R.steelArea.toDouble(), R.bottomBarArea.toDouble()));
    R.bottomBarCount = barCount(R.bottomBarRatio);
    const BarLayout bottom = layoutBars(R.width, R.bottomBarCount, R.bottomBarDia);
    R.bottomBarGap = bottom.gap;
    R.bottomBarsPerLayer = bottom.perLayer;
    R.bottomLayers = bottom.layers;

    // Step 9: compression steel and top bars.
    if (R.steelAreaSteel > Fixed()) {
        const double coverRatio = Fixed::fromDouble(chk::div(R.cover, d)).toDouble();
        R.compressionArea =
            Fixed::fromDouble(chk::div(chk::mul(R.steelAreaSteel.toDouble() * 0.5, 1 - k), k - coverRatio));
    } else {
        R.compressionArea = Fixed();
    }
    R.topBarRatio = Fixed::fromDouble(chk::div(R.compressionArea.toDouble(), R.topBarArea.toDouble()));
    R.topBarCount = barCount(R.topBarRatio);
    const BarLayout top = layoutBars(R.width, R.topBarCount, R.topBarDia);
    R.topBarGap = top.gap;
    R.topBarsPerLayer = top.perLayer;
    R.topLayers = top.layers;

    // Step 10: shear, kg.
    const UniformLoadShears shears = uniformLoadShears(R.beamType, wu, L, a);
    R.reaction1 = Fixed::fromDouble(shears.r1);
    R.reaction2 = Fixed::fromDouble(shears.r2);
    R.concreteShearStress = Fixed::fromDouble(0.29 * chk::sqrt(R.fcPrime));
    R.concreteShear = Fixed::fromDouble(chk::mul(R.concreteShearStress.toDouble() * R.width, d));
    R.maxShear = std::max(R.reaction1, R.reaction2);
    R.stirrupShear = R.maxShear - R.concreteShear;
    const int legs = chk::mul16(chk::mul16(2, R.stirrupSets), 22);  // 2 x sets x 22
    const double sr = R.stirrupDia / 20.0;
    R.stirrupArea = Fixed::fromDouble(chk::div(chk::mul(sr * sr, legs), 7.0));
    R.maxStirrupSpacing = chk::toInt16(d * 0.5);
    if (R.stirrupShear <= Fixed()) {
        R.stirrupSpacing = Fixed::fromInt(R.maxStirrupSpacing);
    } else {
        R.stirrupSpacing =
            Fixed::fromDouble(chk::div(chk::mul(R.stirrupArea.toDouble() * 1200, d), R.stirrupShear.toDouble()));
        if (R.stirrupSpacing > Fixed::fromInt(R.maxStirrupSpacing)) R.stirrupSpacing = Fixed::fromInt(R.maxStirrupSpacing);
    }

    // Step 11. A negative compression area comes from a section whose neutral axis
    // lies above the compression bars: no top steel can help it, the depth must change.
    const bool compressionUnsuitable = R.compressionArea > R.steelArea || R.compressionArea < Fixed();
    if (compressionUnsuitable) run.say("18");

    // Step 12: the result panel is filled here.
    run.out.reachedResults = true;
    run.out.resultEventIndex = run.diag.events().size();

    // Step 13: final checks.
    DesignStatus status = DesignStatus::Usable;
    auto fail = [&](const char* key) {
        run.say(key);
        status = DesignStatus::NotUsable;
    };
    if (R.slenderness > 30) fail("21");
    if (compressionUnsuitable) fail("22");
    if (R.depthMargin > R.depthTolerance) fail("23");
    if (R.depthMargin < -R.depthTolerance) fail("24");
    if (R.bottomLayers > Fixed::fromInt(2)) fail("25");
    if (R.topLayers > Fixed::fromInt(2)) fail("26");
    if (R.stirrupSpacing < Fixed::fromInt(5)) fail("27");
    R.status = status;
}

}  // namespace

Message beamMessage(const std::string& key) {
    for (const MessageText& m : kMessages)
        if (key == m.key) return Message{m.text, m.title, m.icon};
    return Message{"", "", Icon::None};
}

Message beamClosingMessage() {
    return Message{"คานที่คุณออกแบบยังใช้ไม่ได้ โปรดแก้ไขข้อมูลใหม่?", "คานที่ออกแบบยังมีข้อผิดพลาด", Icon::Critical};
}

BeamDesignOutcome calculateBeam(const BeamDesignInput& in) {
    BeamDesignOutcome out;
    Run run(out);
    try {
        design(run, in);
    } catch (const Stop&) {
        out.result.status = DesignStatus::NotUsable;
    } catch (const ArithmeticError&) {
        out.arithmeticFailure = true;
        out.result.status = DesignStatus::NotUsable;
    }
    out.status = out.result.status;
    if (out.status == DesignStatus::NotUsable) {
        out.diagnostics.say(beamClosingMessage());
        out.verdict = kVerdictNotUsable;
    } else {
        out.verdict = kVerdictUsable;
    }
    return out;
}

}  // namespace mx::beam
