// Order service
#region Usings
using System;
using System.Collections.Generic;
#endregion

namespace Shop.Orders;

/* A record with
   positional members */
public record Order(string Id, decimal Total);

public sealed class OrderService
{
    private const int Mask = 0xFF_FF, Bits = 0b1010;
    private readonly List<Order> _orders = new();
    public required string Name { get; init; }

    public async Task<decimal> SumAsync(int limit = 1_000)
    {
        var path = @"C:\shop\orders.txt";
        var text = $"Orders of {Name}: {_orders.Count}\n";
        var verbatim = @"first line
second ""quoted"" line";
        var json = """
            {"name": "shop"}
            """;
        char c = '\'';
        decimal rate = 1.5m; double d = 2e3; float f = .5f;
        var @class = "keyword as name";
        if (_orders is { Count: > 0 } list and not null)
            return await Task.FromResult(list.Sum(o => o.Total));
#if DEBUG
        Console.WriteLine("debug");
#endif
        return 0m;
    }
}
