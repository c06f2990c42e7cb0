// EnemyTuning: the program-wide speed and work factors of the enemies. The level
// screen sets them at each level start (some levels override them); every factor is
// 1.0 until then.
#pragma once

struct EnemyTuning {
    float goblinWorkRate = 1.0f;
    float banditSpeedFactor = 1.0f;
    float tankGunSpeedFactor = 1.0f;
};

// The one record of the program. Tests put it back with `EnemyTuningValues() = {}`.
EnemyTuning& EnemyTuningValues();
