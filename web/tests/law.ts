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
        return [...stock.values()].reduce((a, b) => a + b, 0);
    };
    const law = new Map<number, number>();
    for (let m = -customers; m <= 1; m++) {
        law.set(m, atLeast(m) - atLeast(m + 1));
    }
    return law;
}

// Tallies by minimum against the law for `trials` trials; neighbouring minima,
// in the law's order from the rare end, are pooled until every class expects 5
// at least. Tallies outside the law are the caller's to refuse. The critical
// value is at the 0.1 % level (Wilson-Hilferty, from the normal quantile 3.0902).
export function chiSquare(tallies: Map<number, number>, law: Map<number, number>, trials: number) {
    const classes: { expected: number; observed: number }[] = [];
    let expected = 0;
    let observed = 0;
    for (const [m, p] of law) {
        expected += p * trials;
        observed += tallies.get(m) ?? 0;
        if (expected >= 5) {
            classes.push({ expected, observed });
            expected = 0;
            observed = 0;
        }
    }
    // What is left after the last full class joins it.
    classes.at(-1)!.expected += expected;
    classes.at(-1)!.observed += observed;
    const statistic = classes.reduce((sum, c) => sum + (c.observed - c.expected) ** 2 / c.expected, 0);
    const freedom = classes.length - 1;
    const a = 2 / (9 * freedom);
    return { statistic, freedom, critical: freedom * Math.pow(1 - a + 3.0902 * Math.sqrt(a), 3) };
}
