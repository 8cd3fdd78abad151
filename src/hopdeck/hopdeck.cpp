// hopdeck, the launcher of the Zelkon++ series.
#include "hopdeck/run_hopdeck.h"

int main(int argc, char **argv)
{
    return zelkon::hopdeck::RunHopdeck(argc, argv);
}
