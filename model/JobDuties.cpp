#include "model/JobDuties.h"

CJobDuties& CorvJobDuties() {
    static CJobDuties duties;
    return duties;
}
