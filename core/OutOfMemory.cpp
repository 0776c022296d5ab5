#include "OutOfMemory.h"

#include <new>
#include <ostream>
#include <stdexcept>

namespace keldo {

std::string OutOfMemoryReason() { return "Der Arbeitsspeicher reicht nicht aus."; }

std::string OutOfMemoryMessage()
{
    return "ABBRUCH!!Der Arbeitsspeicher reicht nicht aus; die Arbeit wurde abgebrochen.";
}

std::string ReasonOf(const std::exception& e)
{
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr || dynamic_cast<const std::length_error*>(&e) != nullptr)
        return OutOfMemoryReason();
    return "Ein interner Fehler ist aufgetreten.";
}

int RunCatchingOutOfMemory(const std::function<int()>& main, std::ostream& err)
{
    try {
        return main();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    err << OutOfMemoryMessage() << std::endl;
    return kOutOfMemoryStatus;
}

bool RunCatchingOutOfMemory(const std::function<void()>& command, IMessageBox& box)
{
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    box.Show(OutOfMemoryMessage());
    return false;
}

} // namespace keldo
