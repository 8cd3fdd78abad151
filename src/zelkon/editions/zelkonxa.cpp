// zelkonxa, the geography edition of the series.
#include "shell/run_zelkon.h"

int main(int argc, char **argv)
{
    return zelkon::RunZelkon(zelkon::Edition::Geography, argc, argv);
}
