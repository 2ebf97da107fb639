#include "common/footing.h"

namespace mx {

Message footingPrintQuestion() {
    return Message{"คุณแน่ใจหรือว่าจะพิมพ์รายการคำนวณ?", "พิมพ์รายการคำนวน", Icon::Critical};
}

}  // namespace mx
