#pragma once

#include <AAX_VCollection.h>

// The effect's description, run only by ACFRegisterPlugin. Main thread.

// Describes the one effect into the collection and sets the package data. Throws
// AAX_CheckedResultException when the collection has lost its host object.
AAX_Result ORL_DescribeEffects(AAX_VCollection& collection);

// Describes the effect: name, category, the three channel variants, the objects the host
// creates and the meters.
AAX_Result ORL_DescribeEffect(AAX_VEffectDescriptor& effect);
