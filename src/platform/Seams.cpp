#include "Seams.h"

Seams& seams() {
    static Seams instance;
    return instance;
}
