#include "support/ErreursAttendues.h"
#include "platform/GardeCommandes.h"

#include <gtest/gtest.h>

namespace kelmo::test {
namespace {

int portees = 0;
int vues = 0;

void temoin(const std::exception& e)
{
    ++vues;
    if (portees == 0)
        ADD_FAILURE() << "Une erreur a échappé à un gestionnaire : " << TexteErreurInattendue(e).toStdString();
}

} // namespace

ErreursInattenduesAttendues::ErreursInattenduesAttendues() : debut_(vues) { ++portees; }
ErreursInattenduesAttendues::~ErreursInattenduesAttendues() { --portees; }
int ErreursInattenduesAttendues::nombre() const { return vues - debut_; }

void SurveilleErreursInattendues() { DefinitTemoinErreurInattendue(&temoin); }

} // namespace kelmo::test
