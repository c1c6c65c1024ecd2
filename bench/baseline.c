// SPDX-License-Identifier: ISC
/*
 * The floor RERER is measured against: a minimal C program that prints the
 * usage texts with printf, or, given arguments, compares each argument after
 * the first with the first plus ".vuv" as the archive run does.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        printf("\nRERER Create/Update Utility  Version " RERER_VERSION "\n");
        printf("Files are announced only, never read: a VUV archive holds one byte.\n");
        printf("\nUsage:  RERER vokfile [files...]\n");
        return 1;
    }
    size_t len = strlen(argv[1]);
    char *name = malloc(len + 5);
    if (name == NULL)
        return 2;
    strcpy(name, argv[1]);
    strcat(name, ".vuv");
    int announced = 0;
    for (int i = 2; i < argc; i++)
        if (strcmp(argv[i], name) != 0)
            announced++;
    printf("%d\n", announced);
    free(name);
    return 1;
}
