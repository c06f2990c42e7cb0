// The program's one record of enemy factors.
#include "objects/enemy_tuning.h"

EnemyTuning& EnemyTuningValues()
{
    static EnemyTuning tuning;
    return tuning;
}
