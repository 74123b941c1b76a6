#include "HandlerGuard.h"

#include "Connection.h"
#include "ConversionError.h"
#include "DatabaseError.h"
#include "MessagePresenter.h"
#include "RunLock.h"

namespace HandlerGuard {

bool Run(const std::function<void()>& work)
{
    QString failure;
    try {
        work();
        return true;
    } catch (const DatabaseError& e) {
        failure = e.UserText();
    } catch (const ConversionError& e) {
        failure = e.UserText();
    } catch (const RunLock::Busy&) {
        failure = RunLock::Busy::Message();
    }
    Connection::CloseAll();
    MessagePresenter::Show(failure);
    return false;
}

} // namespace HandlerGuard
