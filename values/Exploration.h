#pragma once
// "E&xploration...": a numbered series of node-value files no. 1 (the name
// in the statistics window's Text3, its two digits before a four-character
// ending replaced by 00, 01, ...) shown one after the other as circles, each
// picture saved as 00.bmp, 01.bmp... in the images folder on request. A
// missing member is told and skipped; once no later member is there, the
// series ends after telling the first one missing.
namespace kelmo {

void Kelmo_menExploration_Click();

} // namespace kelmo
