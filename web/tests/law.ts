// The exact law of a trial's minimum, worked out here independently of the
// engine, and a chi-square test of tallies against it.

// P(minimum = m) for m = -customers .. 1, where the minimum is the lowest
// stock after any of `customers` fair steps from 0. By walking the stock's
// distribution with every level below a floor taken away: the mass left after
// the last step is P(minimum >= floor).
export function minimumLaw(customers: number): Map<number, number> {
    const atLeast = (floor: number): number => {
        let stock = new Map<number, number>([[0, 1]]);
        for (let step = 0; step < customers; step++) {
            const next = new Map<number, number>();
            for (const [level, p] of stock) {
                for (const moved of [level + 1, level - 1]) {
                    if (moved >= floor) {
                        next.set(moved, (next.get(moved) ?? 0) + p / 2);
                    }
                }
            }
            stock = next;
        }
        let total = 0;
        for (const p of stock.values()) {
            total += p;
        }
        return total;
    };
    const law = new Map<number, number>();
    for (let m = -customers; m <= 1; m++) {
        law.set(m, atLeast(m) - atLeast(m + 1));
    }
    return law;
}

// Upper quantile of chi-square with `freedom` degrees of freedom
// (Wilson-Hilferty), for a normal quantile z.
function chiSquareQuantile(freedom: number, z: number): number {
    const a = 2 / (9 * freedom);
    return freedom * Math.pow(1 - a + z * Math.sqrt(a), 3);
}

export interface ChiSquare {
    statistic: number;
    freedom: number;
    critical: number; // at the 0.1 % level
}

// Tallies by minimum against the law for `trials` trials; neighbouring
// minima are pooled from the rare end until every class expects 5 at least.
export function chiSquare(tallies: Map<number, number>, law: Map<number, number>, trials: number): ChiSquare {
    const minima = [...law.keys()].sort((a, b) => a - b);
    const classes: { expected: number; observed: number }[] = [];
    let expected = 0;
    let observed = 0;
    for (const m of minima) {
        expected += law.get(m)! * trials;
        observed += tallies.get(m) ?? 0;
        if (expected >= 5) {
            classes.push({ expected, observed });
            expected = 0;
            observed = 0;
        }
    }
    if (classes.length > 0) {
        classes[classes.length - 1]!.expected += expected;
        classes[classes.length - 1]!.observed += observed;
    }
    for (const [m, count] of tallies) {
        if (count > 0 && !law.has(m)) {
            return { statistic: Infinity, freedom: classes.length - 1, critical: 0 };
        }
    }
    let statistic = 0;
    for (const c of classes) {
        statistic += (c.observed - c.expected) ** 2 / c.expected;
    }
    const freedom = classes.length - 1;
    return { statistic, freedom, critical: chiSquareQuantile(freedom, 3.0902) };
}
