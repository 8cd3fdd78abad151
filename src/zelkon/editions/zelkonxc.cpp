// zelkonxc, the civics edition of the series.
#include "shell/run_zelkon.h"

int main(int argc, char **argv)
{
    return zelkon::RunZelkon(zelkon::Edition::Civics, argc, argv);
}
