#include "slab/slab_form.h"

#include "common/fieldedit.h"
#include "common/limitrule.h"
#include "common/numtext.h"
#include "slab/slab_fields_tsv.h"
#include "common/recordrows.h"

namespace mx::slab {

namespace {

constexpr const char* kBarTitle = "ขนาดเหล็กเสริมที่กำหนดใหญ่เกินไป";
constexpr const char* kBarText = "ขนาดเหล็กเสริมที่กำหนดใหญ่เกินไป!!!ต้องแก้ไขให้เล็กลง";

// Above its limit a field shows its message and, where a reset is given, is set back.
constexpr LimitRule kRules[] = {
    {"Text2", Breach::Above, 6, "พื้นกว้างมากเกินไป", "1.ความกว้างของพื้นกว้างมากเกินกว่า 6 เมตรทำให้พื้นหนาเกินไปต้องแก้ไข!!!",
     Icon::Critical, "4"},
    {"Text3", Breach::Above, 6, "ความยาวของพื้นมากเกินไป",
     "2.ความยาวของพื้นมากเกินไป?ทำให้พื้นหนามาก ต้องแก้ไขโดยเพิ่มคานซอยเพื่อลดขนาดความหนาของพื้นลงมา!!!",
     Icon::Critical, "4"},
    {"Text4", Breach::Above, 20, "เตือนพื้นหนาเกินกว่ามาตรฐาน", "3.โดยปรกติจะไม่ออกแบบพื้นที่หนาเกินกว่า 20 ซม.!!!",
     Icon::Exclamation},
    {"Text4", Breach::Above, 30, "พื้นหนาผิดปรกติ", "4.พื้นคุณหนาเกินกว่า 30 ซม.? ต้องแก้ไข!!!", Icon::Critical, "20"},
    {"Text5", Breach::Above, 16, "ขนาดของเหล็กพื้นใหญ่เกินกว่ากำหนด", "5.โดยปรกติไม่ใช้เหล็กพื้นใหญ่เกินกว่า 16 มม.?ต้องแก้ไข!!!",
     Icon::Critical, "12"},
    fcPrimeRule("Text7"),
    {"Text8", Breach::Above, 65, "ค่าหน่วยแรงอัดของคอนกรีตมากเกินไป",
     "ค่าหน่วยแรงอัดของคอนกรีตที่ พรบ.ควบคุมอาคารกำหนดห้ามใช้เกินกว่า 65 กก./ตร.ซม.!!!", Icon::Critical, "65"},
    {"Text9", Breach::Above, 1700, "ค่าหน่วยแรงดึงของเหล็กมากกว่ากำหนด",
     "ค่าหน่วยแรงดึงของเหล็กเสริมมากเกินกว่า พรบ.ควบคุมอาคารกำหนด!!!ต้องแก้ไข!!!", Icon::Critical, "1200"},
    {"Text10", Breach::Above, 16, kBarTitle, kBarText, Icon::Critical, "12"},
    {"Text11", Breach::Above, 16, kBarTitle, kBarText, Icon::Critical, "12"},
    {"Text12", Breach::Above, 16, kBarTitle, kBarText, Icon::Critical, "12"},
    {"Text13", Breach::Above, 16, kBarTitle, kBarText, Icon::Critical, "12"},
};

struct GradeButton {
    SteelGrade grade;
    const char* fs;
    const char* caption;  // Label17
    double minSteelRatio;
};

constexpr GradeButton kGrades[] = {
    {SteelGrade::SR24, "1200", "เหล็กตะแกรงที่ใช้เป็นเหล็กเส้นกลม SR.24", kRoundBarSteelRatio},
    {SteelGrade::SD30, "1500", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.30", kDeformedBarSteelRatio},
    {SteelGrade::SD35, "1600", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.35", kDeformedBarSteelRatio},
    {SteelGrade::SD40, "1700", "เหล็กตะแกรงที่ใช้เป็นเหล็กข้ออ้อย SD.40", kDeformedBarSteelRatio},
};

const GradeButton& gradeButton(SteelGrade g) {
    for (const auto& b : kGrades)
        if (b.grade == g) return b;
    return kGrades[0];
}

constexpr const char* kContinuityCaptions[] = {
    "พื้นเป็นแบบพื้นช่วงเดี่ยว",  // 1
    "พื้นเป็นแบบพื้นช่วงริมนอก",  // 2
    "พื้นเป็นแบบพื้นช่วงกลาง",    // 3
};

}  // namespace

const std::array<PickRow, 21> kLiveLoadList{{
    {"หลังคา  30", 30},
    {"กันสาดหรือหลังคาคอนกรีต  100", 100},
    {"ที่พักอาศัย โรงเรียนอนุบาล ห้องน้ำ ห้องส้วม  150", 150},
    {"ห้องแถว ตึกแถวที่ใช้พักอาศัย อาคารชุด หอพัก  200", 200},
    {"ห้องพักในโรงแรม ห้องคนไข้พิเศษในโรงพยาบาล  200", 200},
    {"สำนักงาน ธนาคาร  250", 250},
    {"อาคารพาณิชย์ ส่วนของห้องแถว ตึกแถวที่ใช้ในการพาณิชย์  300", 300},
    {"มหาวิทยาลัย วิทยาลัย โรงเรียน และโรงพยาบาล  300", 300},
    {"ห้องโถง บันได ทางเดิน(ของอาคารชุด หอพัก โรงแรม)  300", 300},
    {"ห้องโถง บันได ทางเดิน(ของสำนักงานและธนาคาร)  300", 300},
    {"ตลาด อาคารสรรพสินค้า หอประชุม โรงมหรสพ  400", 400},
    {"ภัตตาคาร ห้องประชุม ห้องอ่านหนังสือในห้องสมุด  400", 400},
    {"ที่จอดหรือเก็บรถยนตร์นั่ง หรือรถจักรยานยนตร์  400", 400},
    {"ห้องโถง บันได ช่องทางเดินของอาคารพาณิชย์  400", 400},
    {"ห้องโถง บันได ช่องทางเดินของมหาวิทยาลัย วิทยาลัยโรงเรียน 400", 400},
    {"คลังสินค้า โรงกีฬา พิพิธภัณฑ์ อัฒจันทร์ โรงงานอุตสาหกรรม  500", 500},
    {"โรงพิมพ์ ห้องเก็บเอกสารและพัสดุ  500", 500},
    {"ห้องโถง บันได ช่องทางเดินของตลาด อาคารสรรพสินค้า  500", 500},
    {"โถง บันได ทางเดินของห้องประชุม โรงมหรสพ ภัตตาคาร ห้องสมุด500", 500},
    {"ห้องเก็บหนังสือของห้องสมุดหรือหอสมุด  600", 600},
    {"ที่จอดหรือเก็บรถยนตร์บรรทุกเปล่า  800", 800},
}};

const std::array<PickRow, 6> kBarSizeList{{
    {"6 มม.", 6},
    {"9 มม.", 9},
    {"10 มม.", 10},
    {"12 มม.", 12},
    {"15 มม.", 15},
    {"16 มม.", 16},
}};

Diagnostics checkSlabField(std::string_view name, const FieldSet& fields) {
    Diagnostics d;
    // A mesh size set back by its limit is checked again when written; that check copies it.
    if (checkLimits(kRules, name, fields, d)) return d;
    if (name == kMeshSizeField) {
        // One mesh size fills all four bar sizes until they are changed on the
        // bar-size panel.
        for (const char* bar : kBarSizeFields) d.correct(bar, fields.get(kMeshSizeField));
    }
    return d;
}

const FieldTable& slabFieldTable() {
    static const FieldTable table = loadFieldTable("slab/slab_fields.tsv", embedded::slab_fields_tsv());
    return table;
}

FieldSet slabDefaultFields() { return defaultsOf(slabFieldTable()); }

double slabMinSteelRatio(std::optional<SteelGrade> grade) { return grade ? gradeButton(*grade).minSteelRatio : 0.0; }

SlabDesignInput readSlabInput(const FieldSet& fields, int slabKind, double minSteelRatio) {
    SlabDesignInput in;
    in.slabKind = slabKind;
    in.minSteelRatio = minSteelRatio;
#include "slab/slab_inputs.def"
    for (std::size_t i = 0; i < 4; ++i) in.barSize[i] = fields.num(kBarSizeFields[i]);
    return in;
}

std::vector<Message> setSlabField(FieldSet& fields, std::string_view name, const std::string& text) {
    return typeField(fields, name, text, checkSlabField);
}

std::vector<Message> replaySlabDiagnostics(FieldSet& fields, const Diagnostics& diagnostics) {
    return replayDiagnostics(fields, diagnostics, checkSlabField);
}

const char* slabKindCaption(int slabKind) {
    switch (slabKind) {
    case kCantilever: return "ลักษณะพื้นเป็นพื้นยื่นหรือกันสาด";
    case kTwoWay: return "ลักษณะพื้นเป็นพื้นสองทางมีคานรัดโดยรอบ";
    default: return "";
    }
}

const char* pressSlabContinuity(FieldSet& fields, int continuityCase) {
    if (continuityCase < kSingleSpan || continuityCase > kInteriorSpan) return nullptr;
    fields.set("Text6", std::to_string(continuityCase));
    return kContinuityCaptions[continuityCase - 1];
}

const char* slabGradeCaption(SteelGrade grade) { return gradeButton(grade).caption; }

std::string pressSlabGrade(FieldSet& fields, SteelGrade grade) {
    const GradeButton& b = gradeButton(grade);
    setSlabField(fields, "Text9", b.fs);
    return b.caption;
}

void pressDeadLoadAsIs(FieldSet& fields) { fields.set("Text23", "1"); }
void pressLiveLoadAsIs(FieldSet& fields) { fields.set("Text24", "1"); }

FieldSet slabResultPanel(const SlabDesignResult& r) {
    FieldSet l;
    l.set("Label18", r.tReq.text());
    l.set("Label19", r.ratio >= Fixed::fromInt(2) ? "พื้นเสริมเหล็กทางเดียว(ONE WAY SLAB)"
                                                  : "พื้นเสริมเหล็กสองทาง(TWO WAY SLAB)");
    l.set("Label20", r.ratio.text());
    l.set("Label21", numText(r.t));
    l.set("Label22", numText(r.fD * r.ws));
    l.set("Label23", numText(r.w));
    l.set("Label24", r.Mpos.text());
    l.set("Label25", numText(r.d));
    l.set("Label26", r.Mneg1.text());
    l.set("Label27", r.Mneg2.text());
    l.set("Label28", r.M14.text());
    l.set("Label29", r.AsNeg1.text());
    l.set("Label30", r.AsNeg2.text());
    l.set("Label31", r.AsPos.text());
    l.set("Label32", r.AsMin.text());
    l.set("Label33", numText(r.barSize[2]));
    l.set("Label34", numText(r.barSize[3]));
    l.set("Label35", numText(r.barSize[1]));
    l.set("Label36", numText(r.barSize[0]));
    l.set("Label37", numText(r.s3));
    l.set("Label38", numText(r.s4));
    l.set("Label39", numText(r.s2));
    l.set("Label40", numText(r.s1));
    return l;
}

FieldSet slabResultLabels(const SlabDesignOutcome& outcome) {
    FieldSet l = outcome.resultsShown ? slabResultPanel(outcome.result) : FieldSet{};
    l.set("Label48", outcome.verdict);
    return l;
}

}  // namespace mx::slab
