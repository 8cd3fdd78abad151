// The main index "Main.ind" read from any bytes: at most 80 lessons, and every lesson line a
// reader accepted composes its paths without reading past its texts.
#include "fuzz_support.h"

#include "common/line_file.h"
#include "index/course_index.h"
#include "index/main_index.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace zelkon;
    CourseIndex index;
    Messages messages;
    const bool complete
        = ParseMainIndex(SplitLines(fuzz::BytesOf(data, size)), "Main.ind", index, messages);
    if (index.lessonCaptions.size() > kCourseIndexLimit)
        std::abort();
    if (!complete && messages.empty())
        std::abort();
    for (int k = 0; k <= static_cast<int>(index.lessonCaptions.size()) + 1; ++k) {
        LessonCaption(index, k);
        SubIndexPath("C:\\zelkon\\", index, k);
        LessonFolderPath("C:\\zelkon\\", index, k);
    }
    return 0;
}
