// The case studies of this edition: the two Manchester menus.
#include "shell/casestudy.h"

#include "activities/openactivity.h"

const CaseStudy kManchesterFacts{
    QStringLiteral("Manchester: The Facts"),
    {240, 0, 6240, 900},
    {960, 1020, 9810, 6480},
    QStringLiteral("images\\Manchester.jpg"),
    6360,
    QStringLiteral("key manchester1"),
    2,
    QStringLiteral("manchester1"),
    QStringLiteral("multiple\\Manchester Facts.txt"),
    QStringLiteral("images\\manchestersm.jpg"),
    &openActivity<manchester1lab>,
    &openActivity<manchester1ord>,
};

const CaseStudy kManchesterDevelopment{
    QStringLiteral("Manchester: Development"),
    {60, 0, 6240, 900},
    {2040, 780, 7395, 6960},
    QStringLiteral("images\\canalbig.jpg"),
    6480,
    QStringLiteral("key manchester2"),
    3,
    QStringLiteral("manchester2"),
    QStringLiteral("multiple\\Manchester Development.txt"),
    QStringLiteral("images\\millsm.jpg"),
    &openActivity<manchester2lab>,
    &openActivity<manchester2ord>,
};
